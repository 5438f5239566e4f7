#include "platform/win32/gdi_faces.h"

#include <algorithm>
#include <cwchar>
#include <string_view>
#include <vector>

#include "platform/win32/wide_text.h"

namespace corvane::platform {

namespace {

// The Windows Japanese faces captions name, each under its Japanese and its Latin spelling, with
// the fonts drawn to the same proportions that stand in for it where it is missing. The Gothic
// stand-ins after the Mincho ones keep Japanese readable where only the Gothic fonts are
// installed. The Linux backend's fontconfig aliases make the same choice.
struct FaceFamily {
  std::wstring_view native;
  std::wstring_view latin;
  std::wstring_view stand_ins[2];
};

const FaceFamily kFamilies[] = {
    {L"ＭＳ Ｐゴシック", L"MS PGothic", {L"IPAPGothic"}},
    {L"MS UI Gothic", L"MS UI Gothic", {L"IPAPGothic"}},
    {L"ＭＳ ゴシック", L"MS Gothic", {L"IPAGothic"}},
    {L"ＭＳ Ｐ明朝", L"MS PMincho", {L"IPAPMincho", L"IPAPGothic"}},
    {L"ＭＳ 明朝", L"MS Mincho", {L"IPAMincho", L"IPAGothic"}},
};

bool SameFace(std::wstring_view a, std::wstring_view b) {
  return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

const FaceFamily* FamilyOf(std::wstring_view face) {
  for (const FaceFamily& family : kFamilies) {
    if (SameFace(face, family.native) || SameFace(face, family.latin)) return &family;
  }
  return nullptr;
}

std::wstring TakenFace(HDC dc) {
  wchar_t taken[LF_FACESIZE] = {};
  const int length = GetTextFaceW(dc, LF_FACESIZE, taken);
  return std::wstring(taken, static_cast<std::size_t>(std::max(length - 1, 0)));
}

// The font described, if GDI gives it one of the accepted face names rather than a substitute.
UniqueFont CreateIfTaken(HDC dc, const LOGFONTW& description,
                         const std::vector<std::wstring_view>& accepted) {
  UniqueFont font(CreateFontIndirectW(&description));
  if (!font) return nullptr;
  const HGDIOBJ previous = SelectObject(dc, font.get());
  const std::wstring taken = TakenFace(dc);
  SelectObject(dc, previous);
  for (std::wstring_view name : accepted) {
    if (SameFace(taken, name)) return font;
  }
  return nullptr;
}

}  // namespace

LOGFONTW DescribeFont(const gfx::FontSpec& spec, int pixel_size, const std::wstring& face,
                      int charset) {
  LOGFONTW description{};
  // A negative height asks for the em height rather than the cell height, as a size in points does.
  description.lfHeight = -pixel_size;
  description.lfWeight = std::clamp(spec.weight, 0, 1000);
  description.lfItalic = spec.italic ? TRUE : FALSE;
  description.lfCharSet = static_cast<BYTE>(charset);
  description.lfOutPrecision = OUT_TT_PRECIS;
  description.lfQuality = ANTIALIASED_QUALITY;
  std::wcsncpy(description.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return description;
}

UniqueFont CreateCaptionFont(HDC dc, const gfx::FontSpec& spec, int pixel_size) {
  const std::wstring face = win32::Widen(spec.face);
  const FaceFamily* family = FamilyOf(face);
  if (!face.empty()) {
    std::vector<std::wstring_view> accepted = {face};
    if (family != nullptr) accepted = {family->native, family->latin};
    if (auto font =
            CreateIfTaken(dc, DescribeFont(spec, pixel_size, face, spec.charset), accepted)) {
      return font;
    }
  }
  if (family != nullptr) {
    for (std::wstring_view stand_in : family->stand_ins) {
      if (stand_in.empty()) continue;
      const LOGFONTW description =
          DescribeFont(spec, pixel_size, std::wstring(stand_in), spec.charset);
      if (auto font = CreateIfTaken(dc, description, {stand_in})) return font;
    }
  }
  const LOGFONTW description = DescribeFont(spec, pixel_size, face, spec.charset);
  return UniqueFont(CreateFontIndirectW(&description));
}

UniqueFont CreateFallbackFont(const gfx::FontSpec& spec, int pixel_size) {
  const LOGFONTW description = DescribeFont(spec, pixel_size, L"", SHIFTJIS_CHARSET);
  return UniqueFont(CreateFontIndirectW(&description));
}

FaceNames NamesOf(HDC dc) {
  FaceNames names{win32::Narrow(TakenFace(dc)), {}};
  const UINT size = GetOutlineTextMetricsW(dc, 0, nullptr);
  if (size == 0) return names;
  // The structure is followed by its strings, which it locates by byte offsets from its start.
  std::vector<std::byte> metrics(size);
  auto* outline = reinterpret_cast<OUTLINETEXTMETRICW*>(metrics.data());
  if (GetOutlineTextMetricsW(dc, size, outline) == 0) return names;
  const auto offset = reinterpret_cast<std::uintptr_t>(outline->otmpFullName);
  if (offset == 0 || offset >= size) return names;
  const auto* full_name = reinterpret_cast<const wchar_t*>(metrics.data() + offset);
  names.full_name =
      win32::Narrow(std::wstring_view(full_name, wcsnlen(full_name, (size - offset) / 2)));
  return names;
}

}  // namespace corvane::platform

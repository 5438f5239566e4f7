#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "abi/gpx_metallic.h"
#include "winapi/kernel32.h"
#include "winapi/windef.h"

namespace corvane::platform {

// The program's hold on the image-effect library: loaded through the dynamic-library service, entry
// point looked up once, released when the hold ends. The library's own header tells what the call
// does and what its status means.
class EffectLibrary {
 public:
  // The library's file name; the program looks for it in its own folder.
  static constexpr const char* kFileName = "Corvane.dll";

  // Loads the library at path. Nothing when it cannot be loaded or lacks GPX_Metallic; a library
  // loaded without the entry point is released again.
  static std::optional<EffectLibrary> Load(const std::string& path) {
    HMODULE module = LoadLibraryA(path.c_str());
    if (module == nullptr) return std::nullopt;
    const FARPROC entry = GetProcAddress(module, "GPX_Metallic");
    if (entry == nullptr) {
      FreeLibrary(module);
      return std::nullopt;
    }
    return EffectLibrary(module, reinterpret_cast<GPX_MetallicProc>(entry));
  }

  EffectLibrary(EffectLibrary&& other) noexcept
      : module_(std::exchange(other.module_, nullptr)), metallic_(other.metallic_) {}
  EffectLibrary& operator=(EffectLibrary&& other) noexcept {
    if (this != &other) {
      Release();
      module_ = std::exchange(other.module_, nullptr);
      metallic_ = other.metallic_;
    }
    return *this;
  }
  EffectLibrary(const EffectLibrary&) = delete;
  EffectLibrary& operator=(const EffectLibrary&) = delete;
  ~EffectLibrary() { Release(); }

  std::int32_t GPX_Metallic(gfx::HDC destination, gfx::HDC source, std::int32_t relief,
                            std::int32_t phase, std::int32_t variant, std::int32_t* result) const {
    return metallic_(destination, source, relief, phase, variant, result);
  }

 private:
  EffectLibrary(HMODULE module, GPX_MetallicProc metallic) : module_(module), metallic_(metallic) {}

  void Release() {
    if (module_ != nullptr) FreeLibrary(module_);
    module_ = nullptr;
  }

  HMODULE module_;
  GPX_MetallicProc metallic_;
};

}  // namespace corvane::platform

#include "winapi/emulation/device_context.h"

#include <unordered_map>

namespace corvane::gfx {

namespace {
struct Context {
  Surface* surface = nullptr;
  bool screen = false;
  Pen pen = Pen::Solid(Rgb(0, 0, 0));
  Brush brush = Brush::Solid(Rgb(255, 255, 255));
};

struct Table {
  std::unordered_map<HDC, Context> contexts;
  // Handles start high so that small integers passed by mistake name nothing.
  HDC next = 0x00010000;

  HDC Add(Context context) {
    const HDC hdc = next++;
    contexts.emplace(hdc, context);
    return hdc;
  }
  Context* Find(HDC hdc) {
    const auto it = contexts.find(hdc);
    return it == contexts.end() ? nullptr : &it->second;
  }
};

Table& TheTable() {
  static Table table;
  return table;
}
}  // namespace

HDC DeviceContexts::Register(Surface* surface) {
  if (surface == nullptr) return 0;
  return TheTable().Add(Context{.surface = surface});
}

HDC DeviceContexts::RegisterScreen() { return TheTable().Add(Context{.screen = true}); }

void DeviceContexts::Release(HDC hdc) { TheTable().contexts.erase(hdc); }

Surface* DeviceContexts::Lookup(HDC hdc) {
  const Context* context = TheTable().Find(hdc);
  return context == nullptr ? nullptr : context->surface;
}

Surface* DeviceContexts::Select(HDC hdc, Surface* surface) {
  Context* context = TheTable().Find(hdc);
  if (context == nullptr || context->screen || surface == nullptr) return nullptr;
  Surface* previous = context->surface;
  context->surface = surface;
  return previous;
}

bool DeviceContexts::IsScreen(HDC hdc) {
  const Context* context = TheTable().Find(hdc);
  return context != nullptr && context->screen;
}

void DeviceContexts::SelectPen(HDC hdc, Pen pen) {
  if (Context* context = TheTable().Find(hdc)) context->pen = pen;
}

void DeviceContexts::SelectBrush(HDC hdc, Brush brush) {
  if (Context* context = TheTable().Find(hdc)) context->brush = brush;
}

Pen DeviceContexts::PenOf(HDC hdc) {
  const Context* context = TheTable().Find(hdc);
  return context == nullptr ? Context{}.pen : context->pen;
}

Brush DeviceContexts::BrushOf(HDC hdc) {
  const Context* context = TheTable().Find(hdc);
  return context == nullptr ? Context{}.brush : context->brush;
}

std::size_t DeviceContexts::LiveCount() { return TheTable().contexts.size(); }

}  // namespace corvane::gfx

#include "platform/gfx/device_context.h"

#include <unordered_map>

namespace corvane::gfx {

namespace {
struct Table {
  std::unordered_map<HDC, Surface*> surfaces;
  // Handles start high so that small integers passed by mistake name nothing.
  HDC next = 0x00010000;
};

Table& TheTable() {
  static Table table;
  return table;
}
}  // namespace

HDC DeviceContexts::Register(Surface* surface) {
  if (surface == nullptr) return 0;
  Table& table = TheTable();
  const HDC hdc = table.next++;
  table.surfaces.emplace(hdc, surface);
  return hdc;
}

void DeviceContexts::Release(HDC hdc) { TheTable().surfaces.erase(hdc); }

Surface* DeviceContexts::Lookup(HDC hdc) {
  const auto& surfaces = TheTable().surfaces;
  const auto it = surfaces.find(hdc);
  return it == surfaces.end() ? nullptr : it->second;
}

}  // namespace corvane::gfx

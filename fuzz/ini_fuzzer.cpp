// The settings file as it comes from disk: the ini codec's reading and editing, and the program's
// LoadSettings over it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/settings.h"
#include "core/shared_state.h"
#include "fuzz/fuzz_input.h"
#include "platform/fake/fake_platform.h"
#include "winapi/profile/ini_text.h"

namespace corvane::fuzz {
namespace {

// Input: the file's bytes, then a section, key and value to store, then another section and key
// whose value the store must leave alone.
void EditText(Fields& fields) {
  platform::IniText text{std::string(fields.Next())};
  const std::string_view section = platform::TrimProfileBlanks(fields.Next());
  const std::string_view key = platform::TrimProfileBlanks(fields.Next());
  const std::string_view value = fields.Next();
  const std::string_view other_section = fields.Next();
  const std::string_view other_key = fields.Next();

  const std::optional<std::string> other_before = text.Find(other_section, other_key);
  const bool storable = platform::IniText::CanStore(section, key, value);
  Require(text.Set(section, key, value) == storable, "Set succeeds exactly when CanStore says so");
  if (!storable) return;
  Require(text.Find(section, key) == value, "a stored value reads back unchanged");
  const bool same_entry = platform::ProfileNamesEqual(section, other_section) &&
                          platform::ProfileNamesEqual(key, other_key);
  if (!same_entry) {
    Require(text.Find(other_section, other_key) == other_before,
            "storing one key leaves every other key as it was");
  }
}

void Load(std::string_view file_bytes) {
  const std::string path = "/corvane-fuzz/Corvane.ini";
  platform::fake::FakePlatform fakes;
  fakes.runtime().program_folder = "/corvane-fuzz";
  fakes.runtime().settings_file_path = path;
  platform::FakeProfileStore& store = fakes.profile_store();
  store.files[path] = std::string(file_bytes);

  BGM_Kind = BGM_RepeatTrack = 0;
  BGM_File.clear();
  LoadSettings();
  Require(store.replace_calls == 0, "loading the settings never writes the file");
}

}  // namespace
}  // namespace corvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  corvane::fuzz::Fields fields(data, size);
  corvane::fuzz::Fields again = fields;
  corvane::fuzz::EditText(fields);
  corvane::fuzz::Load(again.Next());
  return 0;
}

#!/usr/bin/env bash
# Checks the layering that README.md's architecture table describes, and prints each include that
# breaks it:
#   1. A file includes only headers of its own folder or of folders earlier in the list below.
#   2. No system or third-party header outside the backends (platform/): the program's layers
#      include the C++ standard library (and the compiler's vector intrinsics) only. The tests,
#      tools, benchmarks and fuzz targets drive the program from outside and are not checked.
#   3. Only main/<os>/ and the tests, tools, benchmarks and fuzz targets include a backend.
set -euo pipefail
cd "$(dirname "$0")/.."

# Lowest first; the same list, one line per folder, as README.md's table.
order=(
  abi
  gfx
  os
  winapi
  winapi/profile
  winapi/emulation
  toolkit
  platform/loop
  platform/posix
  platform/x11
  platform/fonts
  platform/pictures
  platform/desktop
  platform/sdl
  platform/mpg123
  platform/sndfile
  platform/cdio
  platform/media_module
  platform/win32
  platform/fake
  effect
  core
  controls
  resources
  music
  display
  preview
  settings
  main
  main/linux
  main/windows
  tools
  bench
  tests
  fuzz
)

# Folders whose files may include any header and any backend.
drivers='^(tests|tools|bench|fuzz)/'
backends='^platform/'
os_mains='^main/[^/]+/'

# The C++ standard library's headers, the C library's under their C++ names (and the two a plain
# C header such as abi/ needs), and the compiler's vector intrinsics.
standard_headers=" algorithm any array atomic barrier bit bitset charconv chrono codecvt compare \
complex concepts condition_variable coroutine deque exception execution expected filesystem \
format forward_list fstream functional future initializer_list iomanip ios iosfwd iostream \
istream iterator latch limits list locale map memory memory_resource mutex new numbers numeric \
optional ostream queue random ranges ratio regex scoped_allocator semaphore set shared_mutex \
source_location span sstream stack stdexcept stop_token streambuf string string_view \
syncstream system_error thread tuple type_traits typeindex typeinfo unordered_map \
unordered_set utility valarray variant vector version cassert cctype cerrno cfenv cfloat \
cinttypes climits clocale cmath csetjmp csignal cstdarg cstddef cstdint cstdio cstdlib \
cstring ctime cuchar cwchar cwctype stddef.h stdint.h emmintrin.h immintrin.h xmmintrin.h "

# The rank of the folder a path belongs to: its longest listed prefix.
rank_of() {
  local path=$1 best=-1 best_len=0 i
  for i in "${!order[@]}"; do
    local folder=${order[$i]}
    if [[ $path == "$folder"/* && ${#folder} -gt $best_len ]]; then
      best=$i
      best_len=${#folder}
    fi
  done
  echo "$best"
}

status=0
complain() {
  echo "$1" >&2
  status=1
}

while IFS= read -r file; do
  own=$(rank_of "$file")
  if [ "$own" -lt 0 ]; then
    complain "$file lies in no folder of the layer list"
    continue
  fi
  while IFS= read -r header; do
    theirs=$(rank_of "$header")
    if [ "$theirs" -lt 0 ] || [ "$theirs" -gt "$own" ]; then
      complain "$file includes $header, which is not below it"
    elif [[ $header =~ $backends && ! $file =~ $backends && ! $file =~ $os_mains &&
            ! $file =~ $drivers ]]; then
      complain "$file includes the backend header $header"
    fi
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
  if [[ ! $file =~ $backends && ! $file =~ $drivers ]]; then
    while IFS= read -r header; do
      [[ $standard_headers == *" $header "* ]] ||
        complain "$file includes the system header <$header>"
    done < <(sed -n 's/^#include <\([^>]*\)>.*/\1/p' "$file")
  fi
done < <(git ls-files -co --exclude-standard '*.cpp' '*.h' '*.c')
exit $status

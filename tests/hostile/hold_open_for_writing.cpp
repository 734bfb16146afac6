// Holds a file open for writing, as an export in progress or an editor
// does, until told to let go. The hostile-input test runs it beside the
// converter to show that a list that is still being written is not read.
//   hold_open_for_writing FILE READY RELEASE
// Opens FILE for writing (others may read and write it too), creates READY,
// and closes FILE once RELEASE exists, or after two minutes.
#include <windows.h>

namespace {

class ScopedHandle {
 public:
  explicit ScopedHandle(HANDLE handle) : handle_(handle) {}
  ~ScopedHandle() {
    if (IsOpen()) CloseHandle(handle_);
  }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  [[nodiscard]] bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

bool Exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  const ScopedHandle held(CreateFileA(argv[1], GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!held.IsOpen()) return 1;
  {
    const ScopedHandle ready(CreateFileA(argv[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!ready.IsOpen()) return 1;
  }
  for (int waited = 0; waited < 2400 && !Exists(argv[3]); ++waited) Sleep(50);
  return 0;
}

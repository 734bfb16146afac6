#include "files/open_file_table.h"

#include <cstring>
#include <memory>
#include <vector>

#include "files/platform_file.h"

namespace netbar {
namespace {

constexpr size_t kWriteBufferSize = 64 * 1024;

struct OpenEntry {
  FileNumber number;
  PlatformFile file;
  std::unique_ptr<char[]> buffer;  // made at open, so a flush never allocates
  size_t buffered = 0;
  bool failed = false;

  bool Flush() {
    if (failed) return false;
    if (buffered > 0 && !file.WriteAll(buffer.get(), buffered)) failed = true;
    buffered = 0;
    return !failed;
  }

  bool Append(TextView data) {
    if (failed) return false;
    if (data.size() > kWriteBufferSize - buffered) {
      if (!Flush()) return false;
      if (data.size() >= kWriteBufferSize) {
        if (!file.WriteAll(data.data(), data.size())) failed = true;
        return !failed;
      }
    }
    std::memcpy(buffer.get() + buffered, data.data(), data.size());
    buffered += data.size();
    return true;
  }

  bool Close() {
    const bool flushed = Flush();
    const bool closed = file.Close();
    return flushed && closed;
  }
};

std::vector<OpenEntry>& Table() {
  static std::vector<OpenEntry> table;
  return table;
}

FileNumber NextFreeNumber() {
  FileNumber candidate = 1;
  for (;;) {
    bool taken = false;
    for (const OpenEntry& entry : Table()) taken = taken || entry.number == candidate;
    if (!taken) return candidate;
    ++candidate;
  }
}

OpenEntry* Find(FileNumber number) {
  if (number == 0) return nullptr;
  for (OpenEntry& entry : Table()) {
    if (entry.number == number) return &entry;
  }
  return nullptr;
}

}  // namespace

FileNumber OpenFile(TextView path, int32_t mode, int32_t share_mode) {
  if (path.empty() || mode < 1 || mode > 6 || share_mode < 1 || share_mode > 4) return 0;
  // Only the rewrite mode is ever asked for; the others are refused rather
  // than given a meaning nobody relies on.
  if (mode != kModeRewrite) return 0;
  PlatformFile file = PlatformFile::OpenForRewrite(path);
  if (!file.IsOpen()) return 0;
  OpenEntry entry{NextFreeNumber(), std::move(file), std::make_unique<char[]>(kWriteBufferSize)};
  Table().push_back(std::move(entry));
  return Table().back().number;
}

bool WriteBytes(FileNumber file, std::initializer_list<TextView> data) {
  OpenEntry* entry = Find(file);
  if (entry == nullptr) return false;
  bool all = true;
  for (TextView piece : data) {
    if (!piece.empty()) all = entry->Append(piece) && all;
  }
  return all;
}

bool WriteBytes(FileNumber file, const Bytes& data) { return WriteBytes(file, {data.view()}); }

bool CloseFile(FileNumber file) {
  std::vector<OpenEntry>& table = Table();
  for (auto it = table.begin(); it != table.end(); ++it) {
    if (it->number == file && file != 0) {
      const bool ok = it->Close();
      table.erase(it);
      return ok;
    }
  }
  return false;
}

void CloseAllFiles() {
  for (OpenEntry& entry : Table()) entry.Close();
  Table().clear();
}

int32_t OpenFileCount() { return static_cast<int32_t>(Table().size()); }

}  // namespace netbar

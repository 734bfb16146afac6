// Fuzz target for the whole conversion run: the input is the content of a
// dropped file, written to a real file and converted by ConvertDroppedFile,
// file layer included. Every run is checked for what the admin relies on:
// well-formed lines, the very lines that the plain model of the rules
// (fuzz/reference_conversion) gives, an output file that holds exactly the
// lines shown, and a caption that tells the truth.
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "conversion/convert_dropped_file.h"
#include "conversion/program_globals.h"
#include "conversion/run_report.h"
#include "files/open_file_table.h"
#include "fuzz/property_check.h"
#include "fuzz/reference_conversion.h"
#include "text/bytes_ops.h"
#include "text/list_encoding.h"

namespace netbar {
namespace {

class RecordingReport final : public RunReport {
 public:
  void AppendEditText(TextView line) override { lines.emplace_back(line); }
  void SetCaption(TextView text) override {
    ++captions;
    caption = Text(text);
  }
  void ExplainDroppedChunk(int32_t chunk_number, DropReason /*reason*/) override {
    explained.push_back(chunk_number);
  }

  std::vector<Text> lines;
  std::vector<int32_t> explained;
  Text caption;
  int captions = 0;
};

struct Scene {
  std::string directory;
  std::string list_path;
  std::string output_path;
  std::string unwritable_output_path;  // in a directory that does not exist
};

Scene& TheScene() {
  static Scene scene;
  return scene;
}

void RemoveScene() {
  const Scene& scene = TheScene();
  unlink(scene.list_path.c_str());
  unlink(scene.output_path.c_str());
  rmdir(scene.directory.c_str());
}

void MakeScene() {
  // Memory-backed when the machine has it: every input is a file write.
  char pattern[] = "/dev/shm/netbar-fuzz-XXXXXX";
  char fallback[] = "/tmp/netbar-fuzz-XXXXXX";
  const char* made = mkdtemp(pattern);
  if (made == nullptr) made = mkdtemp(fallback);
  NETBAR_REQUIRE(made != nullptr);
  Scene& scene = TheScene();
  scene.directory = made;
  scene.list_path = scene.directory + "/list.txt";
  scene.output_path = scene.directory + "/Netbar_MAC.txt";
  scene.unwritable_output_path = scene.directory + "/missing/Netbar_MAC.txt";
  std::atexit(RemoveScene);
}

void WriteWholeFile(const std::string& path, const uint8_t* data, size_t size) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  NETBAR_REQUIRE(fd >= 0);
  size_t done = 0;
  while (done < size) {
    const ssize_t put = write(fd, data + done, size - done);
    NETBAR_REQUIRE(put > 0);
    done += static_cast<size_t>(put);
  }
  NETBAR_REQUIRE(close(fd) == 0);
}

// Read back without the file layer, which is under test.
std::string ReadBack(const std::string& path) {
  std::string content;
  const int fd = open(path.c_str(), O_RDONLY);
  if (fd < 0) return content;
  char buffer[65536];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    NETBAR_REQUIRE(got >= 0);
    if (got == 0) break;
    content.append(buffer, static_cast<size_t>(got));
  }
  close(fd);
  return content;
}

bool HoldsLineBreak(TextView field) { return field.find_first_of("\r\n") != TextView::npos; }

// A line is MAC, blank, name, CR LF. MAC and name may hold blanks of their
// own, so the line alone only shows that some split into a non-empty MAC
// that is not the zero MAC and a non-empty name exists.
void CheckLineShape(TextView line) {
  NETBAR_REQUIRE(line.size() >= 5);
  NETBAR_REQUIRE(line.substr(line.size() - 2) == "\r\n");
  NETBAR_REQUIRE(!HoldsLineBreak(line.substr(0, line.size() - 2)));
  bool some_split = false;
  for (size_t blank = 1; blank + 3 < line.size() && !some_split; ++blank) {
    some_split = line[blank] == ' ' && line.substr(0, blank) != "00-00-00-00-00-00";
  }
  NETBAR_REQUIRE(some_split);
}

void PrintLines(const char* title, const std::vector<Text>& lines) {
  std::fprintf(stderr, "%s (%zu):\n", title, lines.size());
  for (const Text& line : lines) {
    for (unsigned char c : line) {
      if (c >= 0x20 && c < 0x7F) {
        std::fputc(c, stderr);
      } else {
        std::fprintf(stderr, "\\x%02X", c);
      }
    }
    std::fputc('\n', stderr);
  }
}

Text Joined(const std::vector<Text>& lines) {
  Text all;
  for (const Text& line : lines) all += line;
  return all;
}

}  // namespace
}  // namespace netbar

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  netbar::TreatRuntimeErrorsAsFindings();
  netbar::MakeScene();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace netbar;
  const Scene& scene = TheScene();
  // Some runs write into a directory that does not exist: their caption must
  // say so, and their lines must still reach the edit box.
  const bool output_fails = size % 16 == 15;
  const std::string& output_path = output_fails ? scene.unwritable_output_path : scene.output_path;
  Globals().output_path = output_path;
  WriteWholeFile(scene.list_path, data, size);
  // Old content that the run must empty away.
  if (!output_fails) WriteWholeFile(scene.output_path, data, size);

  RecordingReport report;
  const RunOutcome outcome = ConvertDroppedFile(scene.list_path, report);

  // A list saved as Unicode is the run's text only after its conversion to
  // the ANSI code page, which text/list_encoding owns; every other list is
  // its own bytes up to the first NUL.
  const TextView bytes(reinterpret_cast<const char*>(data), size);
  const Text text = BytesToText(ConvertListToAnsi(Bytes(bytes)));
  if (RecogniseListEncoding(bytes).encoding == ListEncoding::kAnsi) {
    NETBAR_REQUIRE(text == bytes.substr(0, strnlen(bytes.data(), size)));
  }
  const TextView label = reference::FormatLabel(text);

  NETBAR_REQUIRE(OpenFileCount() == 0);
  NETBAR_REQUIRE(report.captions == 1);
  NETBAR_REQUIRE(outcome.output_failed == output_fails);
  NETBAR_REQUIRE(outcome.record_count == static_cast<int32_t>(report.lines.size()));
  NETBAR_REQUIRE(Globals().format_label == label);
  for (const Text& line : report.lines) CheckLineShape(line);
  const std::vector<Text> expected = reference::ConvertedLines(text);
  if (report.lines != expected) {
    PrintLines("lines of the run", report.lines);
    PrintLines("lines by the rules", expected);
  }
  NETBAR_REQUIRE(report.lines == expected);

  int32_t previous = 0;
  for (int32_t chunk : report.explained) {
    NETBAR_REQUIRE(chunk > previous);
    previous = chunk;
  }

  const Text count = std::to_string(report.lines.size());
  if (output_fails) {
    NETBAR_REQUIRE(report.caption ==
                   count + "条" + Text(label) + "记录写出失败，无法保存到\r\n" + output_path);
  } else {
    NETBAR_REQUIRE(ReadBack(scene.output_path) == Joined(report.lines));
    if (report.lines.empty()) {
      NETBAR_REQUIRE(report.caption == "无记录写出");
    } else {
      NETBAR_REQUIRE(report.caption ==
                     count + "条" + Text(label) + "记录写出成功已保存到\r\n" + output_path);
    }
  }
  return 0;
}

#include "bench/client_list.h"

#include <algorithm>
#include <cinttypes>
#include <iterator>
#include <string>

namespace netbar::bench {
namespace {

// GBK bytes of a few words that netbar machine names are made of. Every
// second byte is 0x80 or above, so these names hold no ASCII byte that any
// format could take for a marker.
constexpr std::string_view kFloors[] = {
    "\xd2\xbb\xc2\xa5",  // 一楼
    "\xb6\xfe\xc2\xa5",  // 二楼
    "\xc8\xfd\xc2\xa5",  // 三楼
};
constexpr std::string_view kZones[] = {
    "\xb4\xf3\xcc\xfc",  // 大厅
    "\xb0\xfc\xbc\xe4",  // 包间
    "\xb5\xe7\xbe\xba",  // 电竞
    "VIP\xc7\xf8",       // VIP区
};
constexpr std::string_view kMachineSuffix = "\xba\xc5\xbb\xfa";  // 号机
constexpr std::string_view kListComment =
    "; \xbf\xcd\xbb\xa7\xbb\xfa\xc1\xd0\xb1\xed";  // ; 客户机列表

// One client as the list holds it and as the output line shows it.
struct Client {
  std::string mac_in_list;
  std::string mac_written;
  std::string name_in_list;
  std::string name_written;
  std::string ip;
  std::string_view area;
  bool accepted = true;
};

void AppendHexPair(std::string& out, unsigned value, bool lower) {
  static constexpr char kUpper[] = "0123456789ABCDEF";
  static constexpr char kLower[] = "0123456789abcdef";
  const char* digits = lower ? kLower : kUpper;
  out.push_back(digits[(value >> 4) & 0xF]);
  out.push_back(digits[value & 0xF]);
}

// The six bytes of the client's MAC joined by `separator` ('\0' for none).
std::string FormatMac(const unsigned (&bytes)[6], char separator, bool lower) {
  std::string mac;
  for (int k = 0; k < 6; ++k) {
    if (k > 0 && separator != '\0') mac.push_back(separator);
    AppendHexPair(mac, bytes[k], lower);
  }
  return mac;
}

std::string Numbered(std::string_view prefix, int64_t number, int width) {
  char digits[24];
  std::snprintf(digits, sizeof digits, "%0*" PRId64, width, number);
  return std::string(prefix) + digits;
}

Client MakeClient(ListFormat format, int64_t i) {
  Client client;
  const bool zero_mac = i % 97 == 13;
  const bool empty_name = !zero_mac && i % 211 == 7;
  client.accepted = !zero_mac && !empty_name;

  const unsigned id = static_cast<unsigned>(i) & 0xFFFFFF;
  unsigned bytes[6] = {0x00, 0x1A, 0x2B, (id >> 16) & 0xFF, (id >> 8) & 0xFF, id & 0xFF};
  if (zero_mac) std::fill(std::begin(bytes), std::end(bytes), 0u);
  switch (format) {
    case ListFormat::kClientConfigXml:
      // Twelve digits in either case; the converter upper-cases and dashes them.
      client.mac_in_list = FormatMac(bytes, '\0', i % 3 == 0);
      client.mac_written = FormatMac(bytes, '-', false);
      break;
    case ListFormat::kNamedSection:
      // Colons become dashes; the letters keep their case.
      client.mac_in_list = FormatMac(bytes, ':', i % 3 == 0);
      client.mac_written = FormatMac(bytes, '-', i % 3 == 0);
      break;
    case ListFormat::kMacSection:
      // The section name is written as it stands.
      client.mac_in_list = FormatMac(bytes, '-', i % 5 == 0);
      client.mac_written = client.mac_in_list;
      break;
  }

  if (i % 8 == 3) {
    const std::string_view floor = kFloors[(i / 8) % 3];
    const std::string_view zone = kZones[(i / 24) % 4];
    client.name_in_list = Numbered(std::string(floor) + std::string(zone), i % 1000, 3);
    client.name_in_list += kMachineSuffix;
    client.name_written = client.name_in_list;
  } else if (format == ListFormat::kMacSection && i % 16 == 5) {
    // A hall prefix before "_" in a name with a "-": the converter keeps
    // what follows the last "_".
    const std::string tail = std::string(1, static_cast<char>('A' + i % 5)) + Numbered("-PC", i, 5);
    client.name_in_list = "HALL_" + tail;
    client.name_written = tail;
  } else {
    client.name_in_list = Numbered("PC", i, 5);
    client.name_written = client.name_in_list;
  }
  if (empty_name) client.name_in_list.clear();

  client.ip = "10." + std::to_string((id >> 16) & 0xFF) + "." + std::to_string((id >> 8) & 0xFF) +
              "." + std::to_string(id & 0xFF);
  client.area = kZones[(i / 24) % 4];
  return client;
}

void AppendClientConfigElement(std::string& out, const Client& c) {
  out += "  <ClientConfig>\r\n";
  out += "    <Name>" + c.name_in_list + "</Name>\r\n";
  out += "    <Mac>" + c.mac_in_list + "</Mac>\r\n";
  out += "    <Ip>" + c.ip + "</Ip>\r\n";
  out += "    <Mask>255.0.0.0</Mask>\r\n";
  out += "    <Gateway>10.0.0.1</Gateway>\r\n";
  out += "    <Dns>114.114.114.114</Dns>\r\n";
  out += "    <Server>10.0.0.2</Server>\r\n";
  out += "    <Area>";
  out += c.area;
  out += "</Area>\r\n";
  out += "    <Resolution>1920*1080</Resolution>\r\n";
  out += "    <BootMode>1</BootMode>\r\n";
  out += "  </ClientConfig>\r\n";
}

void AppendNamedSection(std::string& out, const Client& c) {
  out += "[" + c.name_in_list + "]\r\n";
  out += "MAC=" + c.mac_in_list + "\r\n";
  out += "IP=" + c.ip + "\r\n";
  out += "Mask=255.0.0.0\r\n";
  out += "Gateway=10.0.0.1\r\n";
  out += "DNS=114.114.114.114\r\n";
  out += "Server=10.0.0.2\r\n";
  out += "Disk=0\r\n";
}

void AppendMacSection(std::string& out, const Client& c) {
  out += "[" + c.mac_in_list + "]\r\n";
  out += "Name=" + c.name_in_list + "\r\n";
  out += "BootType=1\r\n";
  out += "Area=";
  out += c.area;
  out += "\r\n";
  out += "IP=" + c.ip + "\r\n";
  out += "Gateway=10.0.0.1\r\n";
  out += "Resolution=1920*1080\r\n";
}

std::string_view ListHeader(ListFormat format) {
  if (format == ListFormat::kClientConfigXml) {
    return "<?xml version=\"1.0\" encoding=\"gb2312\"?>\r\n<ClientConfigs>\r\n";
  }
  return {};
}

std::string_view ListFooter(ListFormat format) {
  return format == ListFormat::kClientConfigXml ? "</ClientConfigs>\r\n" : "";
}

// Gathers output and hands it to the stream in large pieces.
class BufferedOut {
 public:
  explicit BufferedOut(std::FILE* file) : file_(file) {}
  std::string& buffer() { return buffer_; }
  void FlushIfFull() {
    if (buffer_.size() >= kFlushAt) Flush();
  }
  void Flush() {
    if (file_ != nullptr && !buffer_.empty() &&
        std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) {
      failed_ = true;
    }
    written_ += static_cast<int64_t>(buffer_.size());
    buffer_.clear();
  }
  [[nodiscard]] bool Failed() const { return failed_; }
  [[nodiscard]] int64_t Written() const { return written_; }

 private:
  static constexpr size_t kFlushAt = 1 << 20;
  std::FILE* file_;
  std::string buffer_;
  int64_t written_ = 0;
  bool failed_ = false;
};

}  // namespace

std::string_view ListFormatKey(ListFormat format) {
  switch (format) {
    case ListFormat::kClientConfigXml:
      return "xml";
    case ListFormat::kNamedSection:
      return "named";
    case ListFormat::kMacSection:
      return "mac";
  }
  return {};
}

std::string_view ListFormatLabel(ListFormat format) {
  switch (format) {
    case ListFormat::kClientConfigXml:
      return "顺网";
    case ListFormat::kNamedSection:
      return "网众";
    case ListFormat::kMacSection:
      return "云更新";
  }
  return {};
}

std::optional<ListFormat> ListFormatFromKey(std::string_view key) {
  for (const ListFormat format : kAllListFormats) {
    if (ListFormatKey(format) == key) return format;
  }
  return std::nullopt;
}

bool WriteClientList(ListFormat format, int64_t clients, std::FILE* list, std::FILE* expected_lines,
                     ListCounts& counts) {
  counts = ListCounts{};
  counts.clients = clients;
  BufferedOut out(list);
  BufferedOut expected(expected_lines);
  if (format != ListFormat::kClientConfigXml) {
    out.buffer() += kListComment;
    out.buffer() += "\r\n";
  }
  out.buffer() += ListHeader(format);
  for (int64_t i = 1; i <= clients; ++i) {
    const Client client = MakeClient(format, i);
    switch (format) {
      case ListFormat::kClientConfigXml:
        AppendClientConfigElement(out.buffer(), client);
        break;
      case ListFormat::kNamedSection:
        AppendNamedSection(out.buffer(), client);
        break;
      case ListFormat::kMacSection:
        AppendMacSection(out.buffer(), client);
        break;
    }
    if (client.accepted) {
      ++counts.accepted;
      if (expected_lines != nullptr) {
        expected.buffer() += client.mac_written + " " + client.name_written + "\r\n";
      }
    }
    out.FlushIfFull();
    expected.FlushIfFull();
  }
  out.buffer() += ListFooter(format);
  out.Flush();
  expected.Flush();
  counts.list_bytes = out.Written();
  return !out.Failed() && !expected.Failed();
}

}  // namespace netbar::bench

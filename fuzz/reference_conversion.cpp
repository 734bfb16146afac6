#include "fuzz/reference_conversion.h"

#include "fuzz/reference_text.h"

namespace netbar::reference {
namespace {

enum class Format { kClientConfig, kNamedSection, kMacSection };

Format Recognise(TextView text) {
  if (FindText(text, "</ClientConfig>") != -1) return Format::kClientConfig;
  if (FindText(text, "MAC=") != -1) return Format::kNamedSection;
  return Format::kMacSection;
}

// The bytes strictly between the first `open` and the first `close`; empty
// when either is missing.
Text Between(TextView chunk, TextView open, TextView close) {
  const int32_t start = FindText(chunk, open);
  const int32_t end = FindText(chunk, close);
  if (start == -1 || end == -1) return {};
  const int32_t from = start + static_cast<int32_t>(open.size());
  return TextMid(chunk, from, end - from);
}

Text UpToLineEnd(TextView field) { return Text(field.substr(0, field.find_first_of("\r\n"))); }

Text WithoutMacSeparators(TextView mac) {
  Text kept;
  for (size_t p = 0; p < mac.size();) {
    if (static_cast<unsigned char>(mac[p]) >= 0x80 && p + 1 < mac.size()) {
      kept += mac.substr(p, 2);
      p += 2;
      continue;
    }
    if (Text(" \t\r\n-:").find(mac[p]) == Text::npos) kept += mac[p];
    p += 1;
  }
  return kept;
}

Text RegroupedMac(TextView raw) {
  const std::vector<Text> characters = SplitCharacters(ToUpperCase(WithoutMacSeparators(raw)));
  if (characters.size() < 12) return {};
  Text mac;
  for (size_t k = 0; k < 12; ++k) {
    if (k > 0 && k % 2 == 0) mac += '-';
    mac += characters[k];
  }
  return mac;
}

struct Fields {
  Text mac;
  Text name;
};

Fields ClientConfigFields(TextView chunk) {
  return {RegroupedMac(Between(chunk, "<Mac>", "</Mac>")), Between(chunk, "<Name>", "</Name>")};
}

Fields NamedSectionFields(TextView chunk) {
  Fields fields;
  fields.name = TextLeft(chunk, FindText(chunk, "]") - 1);
  const int32_t key = FindText(chunk, "MAC=");
  if (key != -1) fields.mac = ReplaceSubtext(UpToLineEnd(TextMid(chunk, key + 4, 17)), ":", "-");
  return fields;
}

Fields MacSectionFields(TextView chunk) {
  Fields fields;
  fields.mac = TextLeft(chunk, FindText(chunk, "]") - 1);
  const int32_t name = FindText(chunk, "Name=");
  const int32_t area = FindText(chunk, "Area=");
  if (name != -1 && area != -1) fields.name = TextMid(chunk, name + 5, area - name - 5);
  return fields;
}

Text ShortenedName(TextView name) {
  if (FindText(name, "_") == -1 || FindText(name, "-") == -1) return Text(name);
  const int32_t last = FindTextReverse(name, "_");
  return TextRight(name, static_cast<int32_t>(name.size()) - last);
}

Text NameAsWritten(Format format, Text name) {
  const int32_t boot_type = FindText(name, "BootType=");
  if (boot_type != -1) name = TextLeft(name, boot_type - 3);
  name = UpToLineEnd(name);
  return format == Format::kMacSection ? ShortenedName(name) : name;
}

}  // namespace

TextView FormatLabel(TextView text) {
  switch (Recognise(text)) {
    case Format::kClientConfig:
      return "顺网";
    case Format::kNamedSection:
      return "网众";
    case Format::kMacSection:
      break;
  }
  return "云更新";
}

std::vector<Text> ConvertedLines(TextView text) {
  const Format format = Recognise(text);
  const TextView delimiter = format == Format::kClientConfig ? "<ClientConfig>" : "[";
  std::vector<Text> lines;
  for (const Text& chunk : SplitText(text, delimiter)) {
    Fields fields = format == Format::kClientConfig   ? ClientConfigFields(chunk)
                    : format == Format::kNamedSection ? NamedSectionFields(chunk)
                                                      : MacSectionFields(chunk);
    const Text mac = UpToLineEnd(fields.mac);
    const Text name = NameAsWritten(format, std::move(fields.name));
    if (mac.empty() || mac == "00-00-00-00-00-00" || name.empty()) continue;
    lines.push_back(mac + " " + name + "\r\n");
  }
  return lines;
}

}  // namespace netbar::reference

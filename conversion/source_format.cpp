#include "conversion/source_format.h"

#include "text/find.h"

namespace netbar {
namespace {

struct FormatRow {
  SourceFormat format;
  TextView label;
  TextView delimiter;
};

constexpr FormatRow kFormats[] = {
    {SourceFormat::ClientConfigXml, "顺网", "<ClientConfig>"},
    {SourceFormat::NamedSectionIni, "网众", "["},
    {SourceFormat::MacSectionIni, "云更新", "["},
};

const FormatRow& RowOf(SourceFormat format) {
  for (const FormatRow& row : kFormats) {
    if (row.format == format) return row;
  }
  return kFormats[2];
}

}  // namespace

SourceFormat DetectSourceFormat(TextView text) {
  if (FindText(text, "</ClientConfig>") != -1) return SourceFormat::ClientConfigXml;
  if (FindText(text, "MAC=") != -1) return SourceFormat::NamedSectionIni;
  return SourceFormat::MacSectionIni;
}

TextView FormatLabelOf(SourceFormat format) { return RowOf(format).label; }
TextView ChunkDelimiterOf(SourceFormat format) { return RowOf(format).delimiter; }

}  // namespace netbar

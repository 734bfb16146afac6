// What a format's extractor takes out of one chunk. The extractor decides
// nothing; EmitRecord alone accepts or drops.
#pragma once

#include "text/text.h"
#include "text/text_array.h"

namespace netbar {

struct ExtractedRecord {
  Text mac;
  Text name;
  // The chunk holds at least one marker of its format: a chunk that does is
  // a client the admin may miss when it is dropped.
  bool has_marker = false;
  // The XML MAC had fewer than twelve characters and was emptied.
  bool mac_too_short = false;
};

// Scratch space that a run keeps from chunk to chunk, so that extraction
// asks for no memory once the first chunks have warmed it up.
struct ExtractionScratch {
  Text work;
};

}  // namespace netbar

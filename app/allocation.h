// Failed memory requests.
//
// The program replaces the global operator new (app/allocation.cpp): a
// request that the system cannot satisfy ends the program through the fatal
// report "分配 N 字节内存失败!", N being the bytes asked for.
//
// Inside an AllocationFailureIsTolerated scope a failed request throws
// std::bad_alloc instead, for the one caller that turns it into an ordinary
// result (ReadWholeFile: a file too big for memory reads as empty).
#pragma once

namespace netbar {

class AllocationFailureIsTolerated {
 public:
  AllocationFailureIsTolerated();
  ~AllocationFailureIsTolerated();
  AllocationFailureIsTolerated(const AllocationFailureIsTolerated&) = delete;
  AllocationFailureIsTolerated& operator=(const AllocationFailureIsTolerated&) = delete;
};

}  // namespace netbar

// The replaced global allocation functions. This file is linked into every
// program and test directly (not through a library), so that the linker
// always takes these definitions over the runtime's own.
#include "app/allocation.h"

#include <cstdio>
#include <cstdlib>
#include <new>

#include "app/program_end.h"

namespace netbar {
namespace {

thread_local int tolerated_depth = 0;

[[noreturn]] void ReportAllocationFailure(std::size_t size) {
  // No memory may be asked for on this path.
  char message[64];
  std::snprintf(message, sizeof message, "分配 %llu 字节内存失败!",
                static_cast<unsigned long long>(size));
  ReportRuntimeError(0, message);
}

void* Allocate(std::size_t size) {
  if (size == 0) size = 1;
  if (void* p = std::malloc(size)) return p;
  if (tolerated_depth > 0) throw std::bad_alloc();
  ReportAllocationFailure(size);
}

}  // namespace

AllocationFailureIsTolerated::AllocationFailureIsTolerated() { ++tolerated_depth; }
AllocationFailureIsTolerated::~AllocationFailureIsTolerated() { --tolerated_depth; }

}  // namespace netbar

void* operator new(std::size_t size) { return netbar::Allocate(size); }
void* operator new[](std::size_t size) { return netbar::Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size == 0 ? 1 : size);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

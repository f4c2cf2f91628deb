#include "platform/engine/AllocationCap.h"

#include <algorithm>
#include <climits>
#include <map>
#include <mutex>

extern "C" {
#include <libavutil/mem.h>
}

namespace engine {
namespace {

struct CapState {
  std::mutex mutex;
  size_t floor = INT_MAX;        // the library's own default
  std::map<size_t, int> grants;  // granted cap -> how many allowances hold it
  size_t applied = 0;
};

CapState& State() {
  static CapState state;
  return state;
}

// Sets the library's cap to the floor or the largest grant. Called with the
// state locked, so grants from several threads keep the map and the applied
// cap in step; the library keeps its cap in an atomic, so other threads'
// allocations may read it while it changes.
void Apply(CapState& state) {
  const size_t cap =
      state.grants.empty() ? state.floor : std::max(state.floor, state.grants.rbegin()->first);
  if (cap == state.applied) return;
  av_max_alloc(cap);
  state.applied = cap;
}

}  // namespace

void SetAllocationFloor(size_t bytes) {
  CapState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  state.floor = bytes;
  state.applied = 0;  // apply even when unchanged: the library may have been set elsewhere
  Apply(state);
}

size_t AllocationFloor() {
  CapState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  return state.floor;
}

size_t AllocationCap() {
  CapState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  return state.grants.empty() ? state.floor : std::max(state.floor, state.grants.rbegin()->first);
}

void AllocationAllowance::Grant(int64_t fileBytes) {
  Release();
  if (fileBytes <= 0) return;
  const uint64_t bytes = static_cast<uint64_t>(fileBytes);
  const size_t limit = SIZE_MAX / INDEX_BYTES_PER_FILE_BYTE;
  granted_ = bytes >= limit ? SIZE_MAX : static_cast<size_t>(bytes) * INDEX_BYTES_PER_FILE_BYTE;
  CapState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  ++state.grants[granted_];
  Apply(state);
}

void AllocationAllowance::Release() {
  if (granted_ == 0) return;
  CapState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  const auto found = state.grants.find(granted_);
  if (found != state.grants.end() && --found->second == 0) state.grants.erase(found);
  granted_ = 0;
  Apply(state);
}

}  // namespace engine

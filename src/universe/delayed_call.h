#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace velmora::universe {

// A cancellable call after a delay, run on the thread that owns the documents.
// The application runs it on its event loop; tests drive it by hand.
class DelayedCall {
public:
    virtual ~DelayedCall() = default;
    // Replaces any pending call.
    virtual void start(std::chrono::milliseconds delay, std::function<void()> action) = 0;
    virtual void cancel() = 0;
    virtual bool isPending() const = 0;
};

using DelayedCallFactory = std::function<std::unique_ptr<DelayedCall>()>;

// Hands a function to the thread that owns the documents, to run there soon.
// Safe to call from any thread: background work reports back through it.
using PostToOwner = std::function<void(std::function<void()>)>;

} // namespace velmora::universe

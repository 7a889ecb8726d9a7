#pragma once

#include <functional>
#include <map>
#include <memory>
#include <utility>

namespace velmora::core {

// The one way documents and stores tell their observers about a change.
// subscribe() returns a Subscription; the callback is dropped when it is destroyed,
// so a view that goes away can never be called back.
template <typename... Args>
class Signal {
    struct Slots {
        std::map<int, std::function<void(Args...)>> callbacks;
        int nextId = 0;
    };

public:
    class Subscription {
    public:
        Subscription() = default;
        Subscription(Subscription&&) noexcept = default;
        Subscription& operator=(Subscription&& other) noexcept {
            if (this != &other) {
                reset();
                m_slots = std::move(other.m_slots);
                m_id = other.m_id;
            }
            return *this;
        }
        Subscription(const Subscription&) = delete;
        Subscription& operator=(const Subscription&) = delete;
        ~Subscription() { reset(); }

        void reset() {
            if (auto shared = m_slots.lock())
                shared->callbacks.erase(m_id);
            m_slots.reset();
        }

    private:
        friend class Signal;
        Subscription(std::weak_ptr<Slots> owner, int id) : m_slots(std::move(owner)), m_id(id) {}
        std::weak_ptr<Slots> m_slots;
        int m_id = 0;
    };

    [[nodiscard]] Subscription subscribe(std::function<void(Args...)> callback) {
        const int id = m_slots->nextId++;
        m_slots->callbacks.emplace(id, std::move(callback));
        return Subscription(m_slots, id);
    }

    void notify(Args... args) const {
        // Copy first: a callback may subscribe or unsubscribe while we iterate.
        const auto callbacks = m_slots->callbacks;
        for (const auto& [id, callback] : callbacks) {
            if (m_slots->callbacks.count(id))
                callback(args...);
        }
    }

private:
    std::shared_ptr<Slots> m_slots = std::make_shared<Slots>();
};

} // namespace velmora::core

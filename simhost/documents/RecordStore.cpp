#include "simhost/documents/RecordStore.h"

#include <atomic>
#include <climits>
#include <iterator>
#include <utility>

void RecordStore::Changed() {
    static std::atomic<uint64_t> lastRevision{0};
    revision_ = ++lastRevision;
}

RecordStore::RecordStore(RecordStore&& o) noexcept
    : records_(std::move(o.records_)), revision_(o.revision_) {
    o.records_.clear();
    o.revision_ = 0;
}

RecordStore& RecordStore::operator=(RecordStore&& o) noexcept {
    if (this != &o) {
        records_ = std::move(o.records_);
        revision_ = o.revision_;
        o.records_.clear();
        o.revision_ = 0;
    }
    return *this;
}

const Bytes* RecordStore::Find(const RecordAddress& address) const {
    auto it = records_.find(address);
    return it == records_.end() ? nullptr : &it->second;
}

void RecordStore::Put(const RecordAddress& address, Bytes bytes) {
    records_[address] = std::move(bytes);
    Changed();
}

bool RecordStore::Erase(const RecordAddress& address) {
    if (records_.erase(address) == 0)
        return false;
    Changed();
    return true;
}

std::optional<RecordAddress> RecordStore::Next(const RecordAddress& after) const {
    auto it = records_.upper_bound(after);
    if (it == records_.end() || it->first.tag != after.tag)
        return std::nullopt;
    return it->first;
}

std::optional<RecordAddress> RecordStore::Create(RecordAddress requested, Bytes bytes) {
    if (requested.item == -1 && requested.sub == -1) {
        int highest = 0;
        for (const auto& entry : records_)
            if (entry.first.tag == requested.tag && entry.first.item > highest)
                highest = entry.first.item;
        if (highest == SHRT_MAX)
            return std::nullopt;
        requested = {requested.tag, static_cast<int16_t>(highest + 1), 0};
    } else if (requested.sub == -1) {
        int next = 0;
        auto after = records_.upper_bound({requested.tag, requested.item, SHRT_MAX});
        if (after != records_.begin()) {
            const RecordAddress& last = std::prev(after)->first;
            if (last.tag == requested.tag && last.item == requested.item)
                next = last.sub + 1;
        }
        if (next > SHRT_MAX)
            return std::nullopt;
        requested.sub = static_cast<int16_t>(next);
    } else if (Find(requested)) {
        return std::nullopt;
    }
    records_[requested] = std::move(bytes);
    Changed();
    return requested;
}

std::vector<std::pair<int16_t, Bytes>> RecordStore::ItemRecords(uint32_t tag, int16_t item) const {
    std::vector<std::pair<int16_t, Bytes>> result;
    for (auto it = records_.lower_bound({tag, item, SHRT_MIN});
         it != records_.end() && it->first.tag == tag && it->first.item == item; ++it)
        result.emplace_back(it->first.sub, it->second);
    return result;
}

std::vector<RecordAddress> RecordStore::AddressesOf(uint32_t tag) const {
    std::vector<RecordAddress> result;
    for (auto it = records_.lower_bound({tag, SHRT_MIN, SHRT_MIN});
         it != records_.end() && it->first.tag == tag; ++it)
        result.push_back(it->first);
    return result;
}

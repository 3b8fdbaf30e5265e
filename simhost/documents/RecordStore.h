// A document's records as the host keeps them: byte blocks addressed by type tag, item number
// and sub-number, walked in (item, sub) order.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

using Bytes = std::vector<unsigned char>;

struct RecordAddress {
    uint32_t tag;
    int16_t item;
    int16_t sub;
    bool operator<(const RecordAddress& o) const {
        return std::tie(tag, item, sub) < std::tie(o.tag, o.item, o.sub);
    }
    bool operator==(const RecordAddress& o) const {
        return tag == o.tag && item == o.item && sub == o.sub;
    }
};

class RecordStore {
public:
    RecordStore() = default;
    RecordStore(const RecordStore&) = default;
    RecordStore& operator=(const RecordStore&) = default;
    // The store moved from is left empty, with the revision every empty store has.
    RecordStore(RecordStore&& o) noexcept;
    RecordStore& operator=(RecordStore&& o) noexcept;

    const Bytes* Find(const RecordAddress& address) const;
    // Stores the block, replacing a record at that address.
    void Put(const RecordAddress& address, Bytes bytes);
    bool Erase(const RecordAddress& address);
    // The first record of the tag after the given item and sub-number.
    std::optional<RecordAddress> Next(const RecordAddress& after) const;
    // Item -1 asks for a new item number (one above the highest, at least 1, sub-number 0);
    // sub-number -1 for the next sub-number of the item. Gives the address used.
    std::optional<RecordAddress> Create(RecordAddress requested, Bytes bytes);
    // Every record of a tag and item, in sub-number order.
    std::vector<std::pair<int16_t, Bytes>> ItemRecords(uint32_t tag, int16_t item) const;
    std::vector<RecordAddress> AddressesOf(uint32_t tag) const;

    bool operator==(const RecordStore& o) const { return records_ == o.records_; }
    bool operator!=(const RecordStore& o) const { return !(*this == o); }

    // Changes with every change of the records, to a number no other content of any store
    // had before; a copy keeps the number with the content it copied. So one number always
    // stands for the same content, and what was worked out from it may be kept.
    uint64_t Revision() const { return revision_; }

private:
    void Changed();

    std::map<RecordAddress, Bytes> records_;
    uint64_t revision_ = 0; // every empty store has the same content
};

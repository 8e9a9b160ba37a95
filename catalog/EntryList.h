#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string>
#include <vector>

// The common shape of the data catalogues: the entries of one file in file
// order, rebuilt by the owner's reader.
template <typename Entry>
class EntryList {
public:
    void Clear() { entries_.clear(); }
    const std::vector<Entry>& Entries() const { return entries_; }
    std::size_t Count() const { return entries_.size(); }
    // Some entry has exactly that Name.
    bool Contains(const std::string& name) const {
        return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.Name == name; });
    }

protected:
    // The entries the test accepts, in file order.
    template <typename Pred>
    std::vector<Entry> Select(Pred accepts) const {
        std::vector<Entry> found;
        std::copy_if(entries_.begin(), entries_.end(), std::back_inserter(found), accepts);
        return found;
    }
    // The first entry with that Name; an empty entry when there is none.
    Entry FindByName(const std::string& name) const {
        for (const auto& e : entries_)
            if (e.Name == name) return e;
        return {};
    }

    std::vector<Entry> entries_;
};

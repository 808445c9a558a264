// A variable store and its index. Every run has one (its local variables); one more,
// global, holds the public variables. The index keeps its observable text form
// (" a  b  c ": each name wrapped in blanks, in creation order) because scripts can read
// it through all_variables; membership is answered from a hash set, not by searching it.
// A name can be in the store without being in the index: do_set through the dispatcher
// stores without indexing, and later index lookups do not see it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace zerin {

class Variables;

// Where an indexed variable was found last, so that a line run again and again finds it
// without a search. It holds only while the store has not changed its shape (nothing
// erased, nothing indexed or taken out of the index) since; every shape is numbered
// once for all stores, so a reference never matches another store. It may also remember
// that the name is not indexed: only indexing it changes that, and indexing changes the
// shape.
class VariableRef {
    friend class Variables;
    std::uint64_t m_shape = 0;
    void* m_entry = nullptr;
};

class Variables {
public:
    Variables() : m_shape(nextShape()) {}
    Variables(const Variables& other) : m_store(other.m_store), m_indexSet(other.m_indexSet), m_indexText(other.m_indexText), m_shape(nextShape()) {}
    Variables& operator=(const Variables& other) {
        m_store = other.m_store;
        m_indexSet = other.m_indexSet;
        m_indexText = other.m_indexText;
        m_shape = nextShape();
        return *this;
    }
    Variables(Variables&& other) noexcept
        : m_store(std::move(other.m_store)), m_indexSet(std::move(other.m_indexSet)),
          m_indexText(std::move(other.m_indexText)), m_shape(nextShape()) {
        other.m_shape = nextShape();
    }
    Variables& operator=(Variables&& other) noexcept {
        m_store = std::move(other.m_store);
        m_indexSet = std::move(other.m_indexSet);
        m_indexText = std::move(other.m_indexText);
        m_shape = nextShape();
        other.m_shape = nextShape();
        return *this;
    }

    // --- store ---
    const std::string* find(std::string_view key) const;
    // Refuses a key that is already stored (the collection's Add); returns whether added.
    bool add(const std::string& key, std::string value);
    // Replaces or creates the stored value.
    void assign(const std::string& key, std::string value);
    // As assign, for a value whose number is already known: `numeric` must be what
    // val(value) gives, so that later reads need not parse the text again.
    void assignNumber(std::string_view key, std::string value, double numeric);
    bool erase(std::string_view key);
    // The value read as a number, cached beside the text until the value changes.
    double number(std::string_view key) const;
    std::size_t storedCount() const { return m_store.size(); }

    // --- both, with one search: an indexed name's stored value or number; nothing for a
    // name that is not indexed (an indexed name never stored reads as 0). ---
    const std::string* findIndexed(std::string_view key) const;
    std::optional<double> indexedNumber(std::string_view key) const;
    // As assignNumber for an indexed name; false, and `value` untouched, for any other.
    bool assignNumberIfIndexed(std::string_view key, std::string& value, double numeric);
    // The same, remembering the place found in `ref` and using it while it holds.
    const std::string* findIndexed(std::string_view key, VariableRef& ref) const;
    std::optional<double> indexedNumber(std::string_view key, VariableRef& ref) const;
    bool assignNumberIfIndexed(std::string_view key, std::string& value, double numeric, VariableRef& ref);

    // --- index ---
    bool indexed(std::string_view key) const;
    void indexAppend(const std::string& key);
    // Removes " key " from the index text (with `keepBlank`, replaces it by one blank,
    // as `public ... nothing` does).
    void indexRemove(std::string_view key, bool keepBlank = false);
    const std::string& indexText() const { return m_indexText; }

private:
    // Lets the maps be searched with a string_view, without building a key string.
    // Names are short, so a byte-wise FNV-1a costs far less than the library's hash; the
    // maps' order is never shown to scripts.
    struct KeyHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            std::uint64_t h = 14695981039346656037ull;
            for (unsigned char c : s) h = (h ^ c) * 1099511628211ull;
            return static_cast<std::size_t>(h);
        }
    };
    struct Entry {
        std::string value;
        mutable double numeric = 0;
        mutable bool numericValid = false;
        bool indexed = false;  // mirrors m_indexSet, so that one search answers both
    };
    Entry& created(Entry& e, std::string_view key) {
        e.indexed = !m_indexSet.empty() && m_indexSet.contains(key);
        return e;
    }
    static double numberOf(const Entry& e);
    static std::uint64_t nextShape() {
        static std::uint64_t shapes = 0;
        return ++shapes;
    }
    // The entry `ref` remembers, when it still holds.
    Entry* remembered(const VariableRef& ref) const {
        return ref.m_shape == m_shape ? static_cast<Entry*>(ref.m_entry) : nullptr;
    }
    void remember(VariableRef& ref, const Entry& e) const {
        ref.m_shape = m_shape;
        ref.m_entry = const_cast<Entry*>(&e);
    }
    bool knownNotIndexed(const VariableRef& ref) const { return ref.m_shape == m_shape && !ref.m_entry; }
    // Remembers, for a name just found not to be an indexed variable, when it is not in
    // the index at all (an indexed name not stored yet may be stored without a new shape).
    void rememberNotIndexed(VariableRef& ref, std::string_view key) const {
        if (m_indexSet.empty() || !m_indexSet.contains(key)) {
            ref.m_shape = m_shape;
            ref.m_entry = nullptr;
        }
    }
    std::unordered_map<std::string, Entry, KeyHash, std::equal_to<>> m_store;
    std::unordered_set<std::string, KeyHash, std::equal_to<>> m_indexSet;
    std::string m_indexText;
    std::uint64_t m_shape;
};

}  // namespace zerin

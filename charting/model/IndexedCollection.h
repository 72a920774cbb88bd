#pragma once
// Presents a random-access range as a random-access range of (index, element) pairs, so code
// iterating a data set or any other collection receives each element with its position. The
// first index is the position of the range's first element in its base (a slice of a list from
// position 5 starts at 5).
#include "kit/base/Console.h"

#include <cstddef>
#include <iterator>
#include <ranges>

namespace charting {

template <std::ranges::random_access_range Base>
class IndexedCollection {
public:
    using BaseIterator = std::ranges::iterator_t<const Base>;
    using Element = std::ranges::range_reference_t<const Base>;

    struct Pair {
        std::ptrdiff_t index;
        Element element;
    };

    class iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using iterator_concept = std::random_access_iterator_tag;
        using value_type = Pair;
        using difference_type = std::ptrdiff_t;
        using reference = Pair;

        iterator() = default;
        iterator(BaseIterator it, std::ptrdiff_t index) : it_(it), index_(index) {}

        Pair operator*() const { return {index_, *it_}; }
        Pair operator[](difference_type n) const { return *(*this + n); }
        iterator& operator++() { return *this += 1; }
        iterator operator++(int) { auto old = *this; ++*this; return old; }
        iterator& operator--() { return *this -= 1; }
        iterator operator--(int) { auto old = *this; --*this; return old; }
        iterator& operator+=(difference_type n) { it_ += n; index_ += n; return *this; }
        iterator& operator-=(difference_type n) { return *this += -n; }
        friend iterator operator+(iterator i, difference_type n) { return i += n; }
        friend iterator operator+(difference_type n, iterator i) { return i += n; }
        friend iterator operator-(iterator i, difference_type n) { return i -= n; }
        friend difference_type operator-(const iterator& a, const iterator& b) { return a.index_ - b.index_; }
        friend bool operator==(const iterator& a, const iterator& b) { return a.index_ == b.index_; }
        friend auto operator<=>(const iterator& a, const iterator& b) { return a.index_ <=> b.index_; }

    private:
        BaseIterator it_{};
        std::ptrdiff_t index_ = 0;
    };

    explicit IndexedCollection(const Base& base, std::ptrdiff_t firstIndex = 0) : base_(hold(base)), first_(firstIndex) {}

    iterator begin() const { return {std::ranges::begin(base()), first_}; }
    iterator end() const { return {std::ranges::end(base()), first_ + std::ranges::ssize(base())}; }
    std::ptrdiff_t startIndex() const { return first_; }
    std::ptrdiff_t endIndex() const { return first_ + std::ranges::ssize(base()); }
    std::size_t size() const { return std::ranges::size(base()); }
    bool empty() const { return std::ranges::empty(base()); }
    // Position i of the base (startIndex() <= i < endIndex()).
    Pair operator[](std::ptrdiff_t i) const {
        if (i < startIndex() || i >= endIndex()) kit::fatal("IndexedCollection: position out of range");
        return begin()[i - first_];
    }

private:
    // Views (spans, slices) are cheap and often temporaries: held by value. Containers are
    // referred to, not copied.
    static constexpr bool byValue = std::ranges::view<Base>;
    using Held = std::conditional_t<byValue, Base, const Base*>;
    static Held hold(const Base& base) {
        if constexpr (byValue) return base; else return &base;
    }
    const Base& base() const {
        if constexpr (byValue) return base_; else return *base_;
    }

    Held base_;
    std::ptrdiff_t first_;
};

// A container is not copied and must outlive the view; a view range is copied.
template <std::ranges::random_access_range Base>
IndexedCollection<Base> indexed(const Base& base, std::ptrdiff_t firstIndex = 0) {
    return IndexedCollection<Base>(base, firstIndex);
}

} // namespace charting

#pragma once

#include <array>
#include <memory>
#include <string>

namespace ortavel {

// Controls of one kind that share a name and one handler taking the index:
// element i is named "name(i)" and reached as array(i).
template <typename T, int N> class ControlArray {
public:
    static_assert(N > 0);

    // text(i) gives element i's text or caption.
    template <typename TextOf> ControlArray(const std::string &name, TextOf text)
    {
        for (int i = 0; i < N; ++i)
            m_items.at(static_cast<std::size_t>(i)) =
                std::make_unique<T>(name + "(" + std::to_string(i) + ")", std::string(text(i)));
    }

    static constexpr int size() { return N; }
    // An index outside the array throws std::out_of_range.
    T &operator()(int index) { return *m_items.at(static_cast<std::size_t>(index)); }
    const T &operator()(int index) const { return *m_items.at(static_cast<std::size_t>(index)); }

private:
    std::array<std::unique_ptr<T>, static_cast<std::size_t>(N)> m_items;
};

} // namespace ortavel

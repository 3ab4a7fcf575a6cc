#pragma once

#include <cstdint>
#include <cstring>

#include "LzhParams.h"

namespace veyra::lzh {

// The adaptive Huffman tree shared by the decoder and the packer. Nodes are
// kept sorted by frequency; a node's children are always the pair
// Child[n], Child[n] + 1, and a child entry of kTreeSize or more is a leaf.
struct HuffmanTree {
    std::uint16_t Frequency[kTreeSize + 1];
    std::int16_t Parent[kTreeSize + kSymbolCount];
    std::int16_t Child[kTreeSize];

    void Start() {
        for (int i = 0; i < kSymbolCount; ++i) {
            Frequency[i] = 1;
            Child[i] = static_cast<std::int16_t>(i + kTreeSize);
            Parent[i + kTreeSize] = static_cast<std::int16_t>(i);
        }
        for (int i = 0, j = kSymbolCount; j <= kRoot; i += 2, ++j) {
            Frequency[j] = static_cast<std::uint16_t>(Frequency[i] + Frequency[i + 1]);
            Child[j] = static_cast<std::int16_t>(i);
            Parent[i] = Parent[i + 1] = static_cast<std::int16_t>(j);
        }
        Frequency[kTreeSize] = 0xFFFF; // sentinel that stops the upward search in Update
        Parent[kRoot] = 0;
    }

    // Halves every leaf frequency and builds the internal nodes anew.
    void Rebuild() {
        int j = 0;
        for (int i = 0; i < kTreeSize; ++i) {
            if (Child[i] >= kTreeSize) {
                Frequency[j] = static_cast<std::uint16_t>((Frequency[i] + 1) / 2);
                Child[j] = Child[i];
                ++j;
            }
        }
        for (int i = 0, node = kSymbolCount; node < kTreeSize; i += 2, ++node) {
            const unsigned f = static_cast<unsigned>(Frequency[i]) + Frequency[i + 1];
            Frequency[node] = static_cast<std::uint16_t>(f);
            int k = node - 1;
            while (f < Frequency[k])
                --k;
            ++k;
            const std::size_t moved = static_cast<std::size_t>(node - k);
            std::memmove(&Frequency[k + 1], &Frequency[k], moved * sizeof(Frequency[0]));
            Frequency[k] = static_cast<std::uint16_t>(f);
            std::memmove(&Child[k + 1], &Child[k], moved * sizeof(Child[0]));
            Child[k] = static_cast<std::int16_t>(i);
        }
        for (int i = 0; i < kTreeSize; ++i) {
            const int k = Child[i];
            if (k >= kTreeSize)
                Parent[k] = static_cast<std::int16_t>(i);
            else
                Parent[k] = Parent[k + 1] = static_cast<std::int16_t>(i);
        }
    }

    // The last node at or after `from` whose frequency is below k; Frequency[from]
    // is below k. Frequencies never decrease along the array, so a short walk
    // finds short runs and a binary search the long runs of equal counts that
    // evenly spread data produces. The sentinel stops both.
    int LastBelow(int from, unsigned k) const {
        for (int steps = 0; steps < 8; ++steps) {
            if (k <= Frequency[from + 1])
                return from;
            ++from;
        }
        int low = from;       // Frequency[low] < k
        int high = kTreeSize; // Frequency[high] >= k (the sentinel at worst)
        while (high - low > 1) {
            const int middle = (low + high) / 2;
            if (Frequency[middle] < k)
                low = middle;
            else
                high = middle;
        }
        return low;
    }

    // Counts one more occurrence of symbol c and restores the ordering.
    void Update(int c) {
        if (Frequency[kRoot] == kMaxFrequency)
            Rebuild();
        int node = Parent[c + kTreeSize];
        do {
            const unsigned k = ++Frequency[node];
            int l = node + 1;
            if (k > Frequency[l]) {
                l = LastBelow(l, k);
                Frequency[node] = Frequency[l];
                Frequency[l] = static_cast<std::uint16_t>(k);

                const int i = Child[node];
                Parent[i] = static_cast<std::int16_t>(l);
                if (i < kTreeSize)
                    Parent[i + 1] = static_cast<std::int16_t>(l);

                const int j = Child[l];
                Child[l] = static_cast<std::int16_t>(i);
                Parent[j] = static_cast<std::int16_t>(node);
                if (j < kTreeSize)
                    Parent[j + 1] = static_cast<std::int16_t>(node);
                Child[node] = static_cast<std::int16_t>(j);
                node = l;
            }
            node = Parent[node];
        } while (node != 0);
    }
};

} // namespace veyra::lzh

#pragma once

#include <cstddef>

// How the program's heap hands memory back. With the C library's defaults
// a long use of the camera keeps growing: the first large block freed
// raises the threshold above which blocks get their own mapping, so every
// later picture buffer (a 640x480 photo is 1.2 MB) is carved out of the
// heap, where what is freed between the small blocks that outlive it can
// never be returned; and each thread that allocates gets an arena of its
// own, kept after the thread ends. apply() fixes the threshold (large
// blocks are mapped, and unmapped when freed) and bounds the arenas;
// giveBack() returns the free tops and free pages of the heap, after a
// screen full of pictures has closed. Both do nothing where the C library
// has no such controls.
class HeapPolicy
{
public:
    // Blocks from this size on get a mapping of their own.
    static constexpr std::size_t MappedFrom = 256 * 1024;
    // Arenas beside the main one, shared by every other thread.
    static constexpr int Arenas = 2;

    // Once, before the first thread starts. false where it does nothing.
    static bool apply();
    // true when some memory went back to the system.
    static bool giveBack();

private:
    HeapPolicy() = delete;
};

// Checks on GIF, BMP and icon files made before Qt's readers see them: Qt
// decodes a file cut short into a partly blank picture without complaint,
// and takes some dimensions from places its size query does not look.
#pragma once

#include <QSize>

#include <string_view>

struct GifLayout {
  bool complete = false;  // every block is whole and the trailer is reached
  QSize canvas;           // the logical screen every frame is drawn on
  int frames = 0;
};

// Walks the block structure of a GIF file without decoding any image.
GifLayout scanGifLayout(std::string_view bytes);

// True when the file and info headers are present and the pixel data
// starts inside the file.
bool bmpHeaderIsWhole(std::string_view bytes);

// False when an uncompressed BMP holds fewer pixel bytes than its header
// promises. Compressed BMPs are left to the reader.
bool bmpPixelDataIsPresent(std::string_view bytes);

// False when the directory of an icon or cursor file is cut short or one of
// its entries reaches past the end of the file.
bool iconEntriesAreWhole(std::string_view bytes);

// The stored image of icon entry `index`; empty when there is none. Call
// only on a file whose entries are whole.
std::string_view iconEntryBytes(std::string_view bytes, int index);

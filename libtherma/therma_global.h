#pragma once

// Symbols of libtherma are hidden unless marked, so the library's own state
// (tables, correction limits) never clashes with the application's.
#define THERMA_EXPORT __attribute__((visibility("default")))

// The pictures compiled into the program are mostly read once, at start-up: the windows turn
// them into their icons and pixmaps. Their bytes in the program's file stay mapped and count as
// the program's resident memory for the rest of the run unless handed back. What the game reads
// where it lies for as long as it runs stays: the sprite sheets' plain pixels, which the drawing
// copies from, and the sounds, which are played from there.
#pragma once

namespace slcy::assets {

// Hands back the memory pages that hold nothing but compiled-in files read only at start-up.
// The pages are read-only and backed by the program's file: a later read of a resource finds
// the same bytes again, read anew from the file. Call once everything made at start-up has been
// made.
void ReleaseCompiledArtPages();

}  // namespace slcy::assets

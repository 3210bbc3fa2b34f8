// The pictures compiled into the program are mostly read once, at start-up: the windows turn
// them into their icons and pixmaps. Of the sounds only the headers are read then. Their bytes
// in the program's file stay mapped and count as the program's resident memory for the rest of
// the run unless handed back: a read brings in the pages around it as well. What the drawing
// copies from for as long as the game runs stays: the sprite sheets' plain pixels. The sounds'
// pages come back as the sounds are played.
#pragma once

namespace slcy::assets {

// Hands back the memory pages that hold nothing but compiled-in files that are not read again
// now: all but the sprite sheets' plain pixels.
// The pages are read-only and backed by the program's file: a later read of a resource finds
// the same bytes again, read anew from the file. Call once everything made at start-up has been
// made.
void ReleaseCompiledArtPages();

}  // namespace slcy::assets

// The pictures and sounds compiled into the program are read once, at start-up: the art is
// decoded into images and the sounds copied out. Their bytes in the program's file stay mapped
// and count as the program's resident memory for the rest of the run unless handed back.
#pragma once

namespace slcy::assets {

// Hands back the memory pages that hold nothing but the compiled-in art and sounds. The pages
// are read-only and backed by the program's file: a later read of a resource finds the same
// bytes again, read anew from the file. Call once everything made at start-up has been made.
void ReleaseCompiledArtPages();

}  // namespace slcy::assets

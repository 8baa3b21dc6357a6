#pragma once

/// Once the level is built, the heap holds its bodies, objects and pictures'
/// records on some two thousand small pages. The painting between two ticks
/// pushes their page mappings out of the processor, and the tick then waits
/// for a page-table walk at each page it touches: every body, every object,
/// every list. On huge pages a handful of mappings covers all of it.
///
/// Asks the kernel to move the heap as it stands onto huge pages; true when
/// it moved it. Where huge pages are off or the kernel is older, nothing
/// changes and the game runs as before.
bool settleHeapOnHugePages();

/// The same for the memory from begin to end: only the whole huge pages
/// inside it move.
bool settleOnHugePages(void* begin, void* end);

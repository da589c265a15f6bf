#pragma once

namespace platform {

// Keeps the memory a program frees for its own reuse rather than handing it
// back to the system straight away. Printing makes and frees a page's
// buffers (drawing commands, compressed streams, page images) page after
// page; handed back each time, every new page faults its memory in afresh,
// which costs more than the drawing. Call once at start, before the first
// window; the most a program then holds unused is bounded (see the source).
void keepFreedMemoryForReuse();

} // namespace platform

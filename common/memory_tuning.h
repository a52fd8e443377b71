#pragma once
// Keeps glibc from handing freed memory back to the kernel after every frame.
// Mesa's immediate-mode buffers are allocated and freed each frame; without
// this every frame pays hundreds of page faults. Call once at start-up.
void keep_freed_memory();

#pragma once

class JobContext;

// A Frame on both targets: its opaque background box, then (unless its
// BorderStyle is 0) a grey border and the caption in it. The controls in
// the frame are items of their own, drawn after it. CurrentY stays at the
// frame's top.
void DrawFrameControl(JobContext& job);

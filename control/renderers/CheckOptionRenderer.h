#pragma once

class JobContext;

// Check boxes and option buttons on both targets: the caption as a text
// cell and the state as a small glyph (ticked or empty box, set or cleared
// option) copied from the control's stock pictures. CurrentY stays at the
// control's top.
void DrawCheckOptionControl(JobContext& job);

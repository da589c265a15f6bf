#pragma once

class JobContext;

// The renderers of text controls: a Label, a TextBox (one line or many), a
// "MaskEdBox" and a ComboBox, drawn at the control's place on the preview
// page or on the printer. A multi-line text box whose lines run past the
// page is continued on the following pages, whole lines at a time.
void PreviewTextControl(JobContext& job);
void PrintTextControl(JobContext& job);

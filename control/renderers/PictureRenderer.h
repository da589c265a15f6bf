#pragma once

class JobContext;

// Image and PictureBox pictures and charts ("MSChart"), one renderer per
// target. The picture goes through the control's hidden carrier box baki
// at the control's size; a chart is taken as a picture of itself. Neither
// moves CurrentY past the picture: the next item's gap gives the room.
void PreviewPictureControl(JobContext& job);
void PrintPictureControl(JobContext& job);

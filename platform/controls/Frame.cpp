#include "platform/controls/Frame.h"

Frame::Frame(QWidget* parent) : Control<QGroupBox>(parent) {}

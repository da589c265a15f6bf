#pragma once

#include <QByteArray>

// A run of `labels` lines as the ticket-entry program writes them, each
// with its own barcode.
QByteArray benchRunFile(int labels);

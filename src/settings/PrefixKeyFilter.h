#pragma once

#include <QChar>
#include <QObject>

// True for a typed character that may not enter a file-name prefix: " * / : < > ? \ and the
// vertical bar. Only the characters 32 to 127 are tested; every other key passes.
bool IsRefusedPrefixKey(QChar typed);

// Swallows the refused keys typed into the text box it watches. Text pasted into the box
// is left alone.
class TPrefixKeyFilter : public QObject {
public:
    explicit TPrefixKeyFilter(QObject* parent = nullptr)
        : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

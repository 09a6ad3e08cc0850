#pragma once

#include "Graphic.h"

#include <QString>

// Size index: 0 Thumbnail, 1 Medium, 2 Large.
enum TSizeIndex : int { SizeThumbnail = 0, SizeMedium = 1, SizeLarge = 2 };

// Every option of the program, each field named by its key in the section "Options".
// One record is owned by the application and handed to whoever reads or edits it.
struct TSettings {
    int JPG_QUALITY = 70;
    int THUMB_WIDTH = 100;
    int THUMB_HEIGHT = 95;
    int MEDIUM_WIDTH = 350;
    int MEDIUM_HEIGHT = 325;
    int LARGE_WIDTH = 600;
    int LARGE_HEIGHT = 600;
    bool PROCESS_THUMB = true;
    bool PROCESS_MEDIUM = true;
    bool PROCESS_LARGE = true;
    bool RQ_HIGH = false;
    bool PREFIX_INCLUDED = true;
    int EMAIL_DIMENSION = 2;
    QString OUTPUT_FOLDER; // DefaultOutputFolder() at every load
    bool BORDER_USE = false;
    TColor BORDER_COLOR = 0;
    int BORDER_WIDTH = 1;
    QString OUTPUT_FORMAT = QStringLiteral("JPG");
    quint8 LIST_ICONS = 0;
    bool SHOW_PREVIEW = true;
    bool OPEN_AFTER_PROC = true;
    int MAX_SIZE = 500;
    int CONN_SPEED = 56000;
    bool PICTURE_TASK = true;
    bool XP_BAR = true;
    QString CUSTOM_PREFIX;
    bool WATERMARK_ACTIVE = false;
    QString WATERMARK_FILE;
    int WATERMARK_X = 5;
    int WATERMARK_Y = 5;
    int WATERMARK_OPERATOR = 1;
    QString ANNOTATION_FONT_NAME;
    int ANNOTATION_FONT_SIZE = 15;
    TColor ANNOTATION_FONT_COLOR = 0;
    int ANNOTATION_X = 10;
    int ANNOTATION_Y = 10;
    QString ANNOTATION_TEXT;
    bool ANNOTATION_ACTIVE = false;
    int ANNOTATION_GRAVITY = 1;

    bool operator==(const TSettings&) const = default;
};

// Where one size's box and switch are kept in the record; any other index means Large.
struct TSizeFields {
    int TSettings::*Width;
    int TSettings::*Height;
    bool TSettings::*Enabled;
};

inline TSizeFields SizeFields(int sizeIndex) {
    switch (sizeIndex) {
    case SizeThumbnail:
        return {&TSettings::THUMB_WIDTH, &TSettings::THUMB_HEIGHT, &TSettings::PROCESS_THUMB};
    case SizeMedium:
        return {&TSettings::MEDIUM_WIDTH, &TSettings::MEDIUM_HEIGHT, &TSettings::PROCESS_MEDIUM};
    default:
        return {&TSettings::LARGE_WIDTH, &TSettings::LARGE_HEIGHT, &TSettings::PROCESS_LARGE};
    }
}

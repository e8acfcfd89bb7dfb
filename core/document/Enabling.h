#pragma once
// Which menu entries and tool buttons are enabled, as functions of the document.
#include "core/document/Document.h"

namespace viramo {

struct ImageMenuEnabling {
    bool all = false;                // every entry of "Изображение"
    bool brightnessContrast = false; // "Яркость/ контраст ..."
    bool colourBalance = false;      // "Цветовой баланс"
};
ImageMenuEnabling ImageMenuState(const Document& doc);

struct SelectionMenuEnabling {
    bool bringToFront = false;  // "Поместить вперёд" and "Вверх на один уровень"
    bool sendToBack = false;    // "Поместить назад" and "Вниз на один уровень"
    bool remove = false;        // "Удалить"
    bool others = false;        // every other entry: they need a bitmap layer
};
SelectionMenuEnabling SelectionMenuState(const Document& doc);

struct EditMenuEnabling {
    bool undo = false, redo = false, paste = false, pasteAsNew = false;
};
EditMenuEnabling EditMenuState(const Document& doc, bool clipboardHasPicture);

// "Обработка": the canvas holds a picture and, if anything is selected, it is a bitmap layer.
bool ProcessingMenuEnabled(const Document& doc);
// The first 14 entries of the layer context menu.
bool LayerPopupEntriesEnabled(const Document& doc);
// Tool buttons "Поместить вперёд" and "Поместить назад".
bool ReorderButtonsEnabled(const Document& doc);
// "Сохранить" and "Сохранить как..." when the "Файл" menu opens.
bool SaveEntriesEnabled(const Document& doc);

}  // namespace viramo

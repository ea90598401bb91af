#ifndef KIN_TEXTS_H
#define KIN_TEXTS_H

// Every user-visible text that differs between the English and the French build. Each
// executable links exactly one table (KIN_TextsEn.cpp or KIN_TextsFr.cpp); texts are UTF-8.
enum class KIN_Text : int
{
    MenuFile,
    MenuEdit,
    MenuDisplay,
    MenuFileNew,
    MenuFileLoad,
    MenuFileSave,
    MenuFileExport,
    MenuFileExit,
    DiagramSettings,
    NewPeriod,
    ChangePeriod,
    RemovePeriod,
    RemoveLink,
    RemoveImage,
    Shift,
    MenuAbout,
    DockPeriodList,
    DockDetails,
    ConfirmRemovePeriod,
    ConfirmRemoveLink,
    ConfirmRemoveImage,
    TitleNewPeriod,
    TitleChangePeriod,
    TitleNewDiagram,
    TitleChangeDiagram,
    FilterDiagram,
    CaptionLoad,
    CaptionSave,
    CaptionExport,
    FilterExport,
    NewImage,
    CaptionNewImage,
    LabelBirth,
    LabelDeath,
    UnitYears,
    LabelShift,
    UnitColumns,
    LabelWidth,
    LabelTitle,
    LabelDetails,
    LabelColors,
    LabelBorder,
    LabelBackground,
    LabelTextColor,
    LabelFromColumn,
    LabelToColumn,
    LabelDateBegin,
    LabelDateEnd,
    ButtonCancel,
    WarningTitle,
    WarningSaveFailed,
    WarningLoadFailed,
    WarningExportFailed,
    WarningAutosaveKept,
    WarningAutosaveNotKept,
    ColorBlack,
    ColorWhite,
    ColorDarkGray,
    ColorGray,
    ColorLightGray,
    ColorRed,
    ColorGreen,
    ColorBlue,
    ColorCyan,
    ColorMagenta,
    ColorYellow,
    ColorOrange,
    ColorDarkRed,
    ColorDarkGreen,
    ColorDarkBlue,
    ColorDarkCyan,
    ColorDarkMagenta,
    ColorDarkYellow,
    ColorDarkOrange,
    Count
};

// The build's text for an entry, UTF-8, static lifetime.
const char* KIN_TextOf(KIN_Text text);

// When this build's table was compiled: "Mmm dd yyyy" (day right-aligned) and "hh:mm:ss".
const char* KIN_BuildDate();
const char* KIN_BuildTime();

#endif

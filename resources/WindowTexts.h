// The texts the module's windows show besides their templates' texts, each named once, and the
// translation contexts they are looked up under: a window's texts under its class name with the
// Russian text as the source, the message boxes' texts under kMessageContext by message name.
#pragma once

#include "chart/CalibrationChart.h"
#include "gpc/CalibrationNames.h"

inline constexpr const char* kWorkbenchContext = "DlgMain";
inline constexpr const char* kComponentsContext = "Dlg_Components";
inline constexpr const char* kMessageContext = "Messages";

// The workbench's list headers, combo entries, assay kinds, chart caption and menu entry.
namespace WorkbenchText {
inline constexpr const char* kNumber = "№";
inline constexpr const char* kFileName = "Имя файла";
inline constexpr const char* kSample = "Проба";
inline constexpr const char* kMixture = "Смесь";
inline constexpr const char* kAnalysisTime = "Время анализа";
inline constexpr const char* kCalculationType = "Тип расчёта";
inline constexpr const char* kMethod = "Метод";
inline constexpr const char* kPointComponent = "№ / Компонент";
inline constexpr const char* kPointTime = "Время";
inline constexpr const char* kMonodisperse = kCalibrationTypeNames[0];
inline constexpr const char* kPolydisperse = kCalibrationTypeNames[1];
inline constexpr const char* kUniversal = kCalibrationTypeNames[2];
inline constexpr const char* kCalibrationAssay = "Градуировка";
inline constexpr const char* kAnalysisAssay = "Анализ";
inline constexpr const char* kTimeAxis = kWindowTimeCaption;
inline constexpr const char* kFitMolarMass = "ММ по градуировке";
inline constexpr const char* kDeviation = "Отклонение, %";
inline constexpr const char* kOutsideCalibration = "Вне градуировки, %";
inline constexpr const char* kCopy = "Копировать";

// All of the above, for the checks of the translation.
inline constexpr const char* kAll[] = {
    kNumber,           kFileName,           kSample,       kMixture,
    kAnalysisTime,     kCalculationType,    kMethod,       kPointComponent,
    kPointTime,        kMonodisperse,       kPolydisperse, kUniversal,
    kCalibrationAssay, kAnalysisAssay,      kTimeAxis,     kFitMolarMass,
    kDeviation,        kOutsideCalibration, kCopy,
};
}  // namespace WorkbenchText

// The components dialog's grid headers and the key a new component starts with.
namespace ComponentsText {
inline constexpr const char* kNumber = "№";
inline constexpr const char* kComponent = "Компонент";
inline constexpr const char* kComponentName = "Имя компонента";
inline constexpr const char* kMolarMass = "Молярная масса";
inline constexpr const char* kNewComponentKey = "Задайте имя компонента!";

// All of the above, for the checks of the translation.
inline constexpr const char* kAll[] = {kNumber, kComponent, kComponentName, kMolarMass, kNewComponentKey};
}  // namespace ComponentsText

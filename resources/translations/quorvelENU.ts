<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>StringTable</name>
    <message>
        <source>Данные/Расчёты/Гель хроматография</source>
        <translation>Data/Calculations/Gel chromatography</translation>
    </message>
    <message>
        <source>Добавить хроматограммы</source>
        <translation>Add chromatograms</translation>
    </message>
    <message>
        <source>Удалить хроматограмму</source>
        <translation>Delete chromatogram</translation>
    </message>
    <message>
        <source>Удалить все хроматограммы</source>
        <translation>Delete all chromatograms</translation>
    </message>
    <message>
        <source>Открыть хроматограмму</source>
        <translation>Open chromatogram</translation>
    </message>
    <message>
        <source>Отчет</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Пересчитать</source>
        <translation>Recalculate</translation>
    </message>
</context>
<context>
    <name>DlgMain</name>
    <message>
        <source>Гель-проникающая хроматография</source>
        <translation>Gel permeation chromatography</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Градуировка:</source>
        <translation>Calibration:</translation>
    </message>
    <message>
        <source>Зависимость:</source>
        <translation>Dependence:</translation>
    </message>
    <message>
        <source>Текущая проба</source>
        <translation>Current sample</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Параметры расчета:</source>
        <translation>Calculation parameters:</translation>
    </message>
    <message>
        <source>Канал:</source>
        <translation>Channel:</translation>
    </message>
    <message>
        <source>Таблица компонентов</source>
        <translation>Components table</translation>
    </message>
    <message>
        <source>№</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Имя файла</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Проба</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>Смесь</source>
        <translation>Mixture</translation>
    </message>
    <message>
        <source>Время анализа</source>
        <translation>Analysis time</translation>
    </message>
    <message>
        <source>Тип расчёта</source>
        <translation>Calc. type</translation>
    </message>
    <message>
        <source>Метод</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>№ / Компонент</source>
        <translation>No. / Component</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Монодисперсный</source>
        <translation>Monodisperse</translation>
    </message>
    <message>
        <source>Полидисперсный</source>
        <translation>Polydisperse</translation>
    </message>
    <message>
        <source>Универсальный</source>
        <translation>Universal</translation>
    </message>
    <message>
        <source>Градуировка</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Анализ</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Время,мин</source>
        <translation>Time, min</translation>
    </message>
    <message>
        <source>ММ по градуировке</source>
        <translation>MM from calibration</translation>
    </message>
    <message>
        <source>Отклонение, %</source>
        <translation>Deviation, %</translation>
    </message>
    <message>
        <source>Вне градуировки, %</source>
        <translation>Outside calibration, %</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>СКО(Y) =</source>
        <translation>SE(Y) =</translation>
    </message>
    <message>
        <source>Стандарты</source>
        <translation>Standards</translation>
    </message>
    <message>
        <source>K стандартов</source>
        <translation>K of standards</translation>
    </message>
    <message>
        <source>Alpha стандартов</source>
        <translation>Alpha of standards</translation>
    </message>
    <message>
        <source>Mn стандарта</source>
        <translation>Mn of standard</translation>
    </message>
    <message>
        <source>Mw стандарта</source>
        <translation>Mw of standard</translation>
    </message>
</context>
<context>
    <name>Dlg_Components</name>
    <message>
        <source>Компоненты</source>
        <translation>Components</translation>
    </message>
    <message>
        <source>№</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Компонент</source>
        <translation>Component</translation>
    </message>
    <message>
        <source>Имя компонента</source>
        <translation>Component name</translation>
    </message>
    <message>
        <source>Молярная масса</source>
        <translation>Molar mass</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Добавить компонент</source>
        <translation>Add component</translation>
    </message>
    <message>
        <source>Удалить компонент(ы)</source>
        <translation>Delete component(s)</translation>
    </message>
    <message>
        <source>Задайте имя компонента!</source>
        <translation>Enter the component name!</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>AveragesError</source>
        <extracomment>Ошибка расчета параметров ММР!</extracomment>
        <translation>Error calculating the molecular-weight distribution!</translation>
    </message>
    <message>
        <source>DatabaseError</source>
        <extracomment>Ошибка базы данных: %s</extracomment>
        <translation>Database error: %s</translation>
    </message>
    <message>
        <source>OtherMethodQuestion</source>
        <extracomment>Выбран другой метод, хотите переключиться на него?</extracomment>
        <translation>Another method is selected. Do you want to switch to it?</translation>
    </message>
    <message>
        <source>OtherMethodCaption</source>
        <extracomment>Подтверждение изменения метода</extracomment>
        <translation>Confirm method change</translation>
    </message>
    <message>
        <source>EnterNumber</source>
        <extracomment>Введите число.</extracomment>
        <translation>Enter a number.</translation>
    </message>
    <message>
        <source>AssayWithoutInformation</source>
        <extracomment>Ошибка при выборе хроматограммы: Отсутствует информация.</extracomment>
        <translation>Error selecting the chromatogram: no data available.</translation>
    </message>
    <message>
        <source>KTooLarge</source>
        <extracomment>Слишком большое K!</extracomment>
        <translation>K is too large!</translation>
    </message>
    <message>
        <source>AlphaTooLarge</source>
        <extracomment>Слишком большое Alpha!</extracomment>
        <translation>Alpha is too large!</translation>
    </message>
    <message>
        <source>ComponentNotFound</source>
        <extracomment>В таблице компонентов не найден %s</extracomment>
        <translation>%s was not found in the components table</translation>
    </message>
    <message>
        <source>ReportError</source>
        <extracomment>Ошибка построения отчёта: %s</extracomment>
        <translation>Error building the report: %s</translation>
    </message>
    <message>
        <source>FileNotWritten</source>
        <extracomment>Не удалось записать файл %s</extracomment>
        <translation>Could not write the file %s</translation>
    </message>
    <message>
        <source>NoDocumentsFolder</source>
        <extracomment>Не задана папка документов: таблица компонентов не сохранена.</extracomment>
        <translation>No documents folder is set: the components table was not saved.</translation>
    </message>
    <message>
        <source>TooManyComponents</source>
        <extracomment>Файл %s содержит слишком много компонентов: он не изменён.</extracomment>
        <translation>The file %s holds too many components: it was left unchanged.</translation>
    </message>
    <message>
        <source>ComponentsFileChanged</source>
        <extracomment>Файл %s удалён или изменён: таблица компонентов не сохранена.</extracomment>
        <translation>The file %s was deleted or changed: the components table was not saved.</translation>
    </message>
    <message>
        <source>ComponentWithSeparator</source>
        <extracomment>Компонент %s содержит ";" или перевод строки: таблица не сохранена.</extracomment>
        <translation>Component %s contains ";" or a line break: the table was not saved.</translation>
    </message>
    <message>
        <source>ComponentFieldTooLong</source>
        <extracomment>Поле компонента %s длиннее 198 байт: таблица не сохранена.</extracomment>
        <translation>A field of component %s is longer than 198 bytes: the table was not saved.</translation>
    </message>
    <message>
        <source>ComponentsCaption</source>
        <extracomment>Компоненты</extracomment>
        <translation>Components</translation>
    </message>
    <message>
        <source>LeaveWithoutSavingQuestion</source>
        <extracomment>Выйти без сохранения изменений?</extracomment>
        <translation>Leave without saving the changes?</translation>
    </message>
    <message>
        <source>LeaveWithoutSavingCaption</source>
        <extracomment>Подтверждение выхода</extracomment>
        <translation>Confirm exit</translation>
    </message>
    <message>
        <source>TransformFailed</source>
        <extracomment>Не удалось преобразовать отчёт: %s</extracomment>
        <translation>The report could not be transformed: %s</translation>
    </message>
    <message>
        <source>ReportFolderMissing</source>
        <extracomment>Не задана папка документов: отчёт не построен.</extracomment>
        <translation>No documents folder is set: the report was not made.</translation>
    </message>
    <message>
        <source>ChromatogramNotOpened</source>
        <extracomment>Не удалось открыть файл хроматограммы %s</extracomment>
        <translation>The chromatogram file %s could not be opened</translation>
    </message>
    <message>
        <source>ChromatogramHeaderCut</source>
        <extracomment>Файл %s короче заголовка хроматограммы.</extracomment>
        <translation>The file %s is shorter than a chromatogram header.</translation>
    </message>
    <message>
        <source>NotAChromatogram</source>
        <extracomment>Файл %s не является файлом хроматограммы.</extracomment>
        <translation>The file %s is not a chromatogram file.</translation>
    </message>
    <message>
        <source>ChromatogramVersionUnknown</source>
        <extracomment>Неизвестная версия файла хроматограммы %s</extracomment>
        <translation>Unknown version of the chromatogram file %s</translation>
    </message>
    <message>
        <source>ChromatogramBlockCut</source>
        <extracomment>Файл хроматограммы %s обрывается в заголовке канала.</extracomment>
        <translation>The chromatogram file %s ends inside a channel header.</translation>
    </message>
    <message>
        <source>ChromatogramSamplesMissing</source>
        <extracomment>В файле хроматограммы %s недостаёт отсчётов канала.</extracomment>
        <translation>The chromatogram file %s lacks samples of a channel.</translation>
    </message>
    <message>
        <source>ChromatogramXmlDamaged</source>
        <extracomment>XML-часть файла хроматограммы %s отсутствует или повреждена.</extracomment>
        <translation>The XML part of the chromatogram file %s is missing or damaged.</translation>
    </message>
    <message>
        <source>BroadStandardMissing</source>
        <extracomment>Нет широкого стандарта: включите калибровочную хроматограмму с пиками в выбранном канале.</extracomment>
        <translation>No broad standard: include a calibration run with peaks in the selected channel.</translation>
    </message>
    <message>
        <source>BroadStandardAveragesMissing</source>
        <extracomment>Задайте Mn и Mw широкого стандарта.</extracomment>
        <translation>Enter Mn and Mw of the broad standard.</translation>
    </message>
    <message>
        <source>BroadStandardRatioUnreachable</source>
        <extracomment>Хроматограмма широкого стандарта не может дать Mw/Mn = %s.</extracomment>
        <translation>The broad standard's chromatogram cannot give Mw/Mn = %s.</translation>
    </message>
</context>
</TS>

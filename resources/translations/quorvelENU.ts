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
    <message>
        <source>Выйти без сохранения изменений?</source>
        <translation>Leave without saving the changes?</translation>
    </message>
    <message>
        <source>Подтверждение выхода</source>
        <translation>Confirm exit</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Ошибка расчета параметров ММР!</source>
        <translation>Error calculating the molecular-weight distribution!</translation>
    </message>
    <message>
        <source>Ошибка базы данных: %s</source>
        <translation>Database error: %s</translation>
    </message>
    <message>
        <source>Выбран другой метод, хотите переключиться на него?</source>
        <translation>Another method is selected. Do you want to switch to it?</translation>
    </message>
    <message>
        <source>Подтверждение изменения метода</source>
        <translation>Confirm method change</translation>
    </message>
    <message>
        <source>Введите число.</source>
        <translation>Enter a number.</translation>
    </message>
    <message>
        <source>Ошибка при выборе хроматограммы: Отсутствует информация.</source>
        <translation>Error selecting the chromatogram: no data available.</translation>
    </message>
    <message>
        <source>Слишком большое K!</source>
        <translation>K is too large!</translation>
    </message>
    <message>
        <source>Слишком большое Alpha!</source>
        <translation>Alpha is too large!</translation>
    </message>
    <message>
        <source>В таблице компонентов не найден %s</source>
        <translation>%s was not found in the components table</translation>
    </message>
    <message>
        <source>Ошибка построения отчёта: %s</source>
        <translation>Error building the report: %s</translation>
    </message>
    <message>
        <source>Не удалось записать файл %s</source>
        <translation>Could not write the file %s</translation>
    </message>
    <message>
        <source>Не задана папка документов: таблица компонентов не сохранена.</source>
        <translation>No documents folder is set: the components table was not saved.</translation>
    </message>
    <message>
        <source>Файл %s содержит слишком много компонентов: он не изменён.</source>
        <translation>The file %s holds too many components: it was left unchanged.</translation>
    </message>
    <message>
        <source>Файл %s удалён или изменён: таблица компонентов не сохранена.</source>
        <translation>The file %s was deleted or changed: the components table was not saved.</translation>
    </message>
    <message>
        <source>Компонент %s содержит ";" или перевод строки: таблица не сохранена.</source>
        <translation>Component %s contains ";" or a line break: the table was not saved.</translation>
    </message>
    <message>
        <source>Поле компонента %s длиннее 198 байт: таблица не сохранена.</source>
        <translation>A field of component %s is longer than 198 bytes: the table was not saved.</translation>
    </message>
</context>
</TS>

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
        <source>Выйти без сохранения изменений?</source>
        <translation>Leave without saving the changes?</translation>
    </message>
    <message>
        <source>Подтверждение выхода</source>
        <translation>Confirm exit</translation>
    </message>
</context>
</TS>

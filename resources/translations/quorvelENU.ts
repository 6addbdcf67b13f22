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
</TS>

<?xml version="1.0" encoding="UTF-8"?>
<!--
  The default report stylesheet of the gel permeation chromatography module. The module looks for it as
  gel.xsl in the documents folder named by the host profile parameter PublicDocuments_Quorvel and turns its
  report document into a printable HTML5 page in Russian: the chromatograms, the calibration type and
  dependence, the calibration points, the coefficients, the chart picture and the six results.
  Every value is written as text, so the page escapes whatever the data hold; the page has no scripts.
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="UTF-8" indent="yes" doctype-system="about:legacy-compat"/>

  <xsl:template match="/">
    <html lang="ru">
      <head>
        <meta name="viewport" content="width=device-width, initial-scale=1"/>
        <title>Отчёт: гель-проникающая хроматография</title>
        <style>
          * { box-sizing: border-box; }
          body { margin: 0; background: #eef1f5; color: #1f2933;
                 font: 14px/1.45 "Liberation Sans", Arial, "Helvetica Neue", sans-serif; }
          .report { max-width: 1080px; margin: 24px auto; padding: 32px 40px; background: #fff;
                    box-shadow: 0 1px 4px rgba(0, 0, 0, 0.15); }
          .report-header { border-bottom: 2px solid #1f4e79; padding-bottom: 12px; margin-bottom: 8px; }
          h1 { margin: 0 0 4px; font-size: 24px; }
          .subtitle { margin: 0; color: #52606d; }
          h2 { margin: 28px 0 10px; font-size: 18px; color: #1f4e79; }
          h3 { margin: 20px 0 8px; font-size: 15px; }
          table { width: 100%; border-collapse: collapse; }
          th, td { padding: 5px 8px; border: 1px solid #cbd2d9; text-align: left; vertical-align: top; }
          thead th { background: #e4ebf3; font-weight: bold; }
          .num { text-align: right; white-space: nowrap; font-variant-numeric: tabular-nums; }
          .date { white-space: pre; }
          .path { word-break: break-all; }
          tr.off td { color: #7b8794; }
          .facts { display: grid; grid-template-columns: max-content 1fr; gap: 4px 16px; margin: 0; }
          .facts dt { color: #52606d; }
          .facts dd { margin: 0; font-weight: bold; }
          .compact { width: auto; min-width: 50%; }
          .empty { margin: 0; color: #7b8794; font-style: italic; }
          figure { margin: 0; }
          figure img { display: block; max-width: 100%; height: auto; border: 1px solid #cbd2d9; }
          @page { size: A4; margin: 15mm; }
          @media print {
            body { background: #fff; font-size: 10pt; }
            .report { max-width: none; margin: 0; padding: 0; box-shadow: none; }
            h2 { break-after: avoid; }
            section.chart, tr { break-inside: avoid; }
            thead { display: table-header-group; }
            thead th { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
          }
        </style>
      </head>
      <body>
        <main class="report">
          <xsl:apply-templates select="Document"/>
        </main>
      </body>
    </html>
  </xsl:template>

  <xsl:template match="Document">
    <header class="report-header">
      <h1>Гель-проникающая хроматография</h1>
      <p class="subtitle">Отчёт о калибровке и молекулярно-массовых характеристиках</p>
    </header>

    <section>
      <h2>Хроматограммы</h2>
      <xsl:choose>
        <xsl:when test="files/fill_data">
          <table>
            <thead>
              <tr><th class="num">№</th><th>В расчёте</th><th>Файл</th><th>Метод</th><th>Дата анализа</th></tr>
            </thead>
            <tbody>
              <xsl:apply-templates select="files/fill_data"/>
            </tbody>
          </table>
        </xsl:when>
        <xsl:otherwise>
          <p class="empty">Хроматограммы не выбраны</p>
        </xsl:otherwise>
      </xsl:choose>
    </section>

    <section>
      <h2>Калибровка</h2>
      <dl class="facts">
        <dt>Тип калибровки</dt>
        <dd><xsl:call-template name="text-or-dash"><xsl:with-param name="text" select="grad_string"/></xsl:call-template></dd>
        <dt>Зависимость</dt>
        <dd><xsl:call-template name="text-or-dash"><xsl:with-param name="text" select="dependence_string"/></xsl:call-template></dd>
      </dl>

      <h3>Калибровочные точки</h3>
      <xsl:choose>
        <xsl:when test="calc_table/fill_data">
          <!-- K and Alpha are shown by the points list of the universal calibration only. -->
          <xsl:variable name="universal" select="boolean(calc_table/fill_data/name[position() &gt; 5][normalize-space()])"/>
          <table>
            <thead>
              <tr>
                <th class="num">№</th><th>Учтена</th><th>№ / Компонент</th>
                <th class="num">Время, мин</th><th class="num">MM, г/моль</th>
                <xsl:if test="$universal"><th class="num">K</th><th class="num">Alpha</th></xsl:if>
              </tr>
            </thead>
            <tbody>
              <xsl:for-each select="calc_table/fill_data">
                <tr>
                  <xsl:if test="name[2] != 'Да'"><xsl:attribute name="class">off</xsl:attribute></xsl:if>
                  <td class="num"><xsl:value-of select="name[1]"/></td>
                  <td><xsl:value-of select="name[2]"/></td>
                  <td><xsl:value-of select="name[3]"/></td>
                  <td class="num"><xsl:value-of select="name[4]"/></td>
                  <td class="num"><xsl:value-of select="name[5]"/></td>
                  <xsl:if test="$universal">
                    <td class="num"><xsl:value-of select="name[6]"/></td>
                    <td class="num"><xsl:value-of select="name[7]"/></td>
                  </xsl:if>
                </tr>
              </xsl:for-each>
            </tbody>
          </table>
        </xsl:when>
        <xsl:otherwise>
          <p class="empty">Калибровочных точек нет</p>
        </xsl:otherwise>
      </xsl:choose>

      <h3>Коэффициенты калибровки</h3>
      <table class="compact">
        <thead>
          <tr><th class="num">k0</th><th class="num">k1</th><th class="num">k2</th><th class="num">k3</th></tr>
        </thead>
        <tbody>
          <tr>
            <td class="num"><xsl:value-of select="k0"/></td>
            <td class="num"><xsl:value-of select="k1"/></td>
            <td class="num"><xsl:value-of select="k2"/></td>
            <td class="num"><xsl:value-of select="k3"/></td>
          </tr>
        </tbody>
      </table>
    </section>

    <!-- Only a picture file of the report is shown; any other address is left out. -->
    <xsl:for-each select="graph[starts-with(path, 'file:')]">
      <section class="chart">
        <h2><xsl:value-of select="header/label"/></h2>
        <figure>
          <img src="{path}" width="1000" height="600" alt="График калибровки"/>
        </figure>
      </section>
    </xsl:for-each>

    <section>
      <h2>Результаты</h2>
      <table class="compact">
        <thead>
          <tr><th>Параметр</th><th>Величина</th><th class="num">Значение</th></tr>
        </thead>
        <tbody>
          <xsl:call-template name="result">
            <xsl:with-param name="symbol">Mn</xsl:with-param>
            <xsl:with-param name="meaning">Среднечисловая молекулярная масса, г/моль</xsl:with-param>
            <xsl:with-param name="value" select="Mn"/>
          </xsl:call-template>
          <xsl:call-template name="result">
            <xsl:with-param name="symbol">Mw</xsl:with-param>
            <xsl:with-param name="meaning">Среднемассовая молекулярная масса, г/моль</xsl:with-param>
            <xsl:with-param name="value" select="Mw"/>
          </xsl:call-template>
          <xsl:call-template name="result">
            <xsl:with-param name="symbol">Mw/Mn</xsl:with-param>
            <xsl:with-param name="meaning">Коэффициент полидисперсности</xsl:with-param>
            <xsl:with-param name="value" select="MwMn"/>
          </xsl:call-template>
          <xsl:call-template name="result">
            <xsl:with-param name="symbol">Mz</xsl:with-param>
            <xsl:with-param name="meaning">z-средняя молекулярная масса, г/моль</xsl:with-param>
            <xsl:with-param name="value" select="Mz"/>
          </xsl:call-template>
          <xsl:call-template name="result">
            <xsl:with-param name="symbol">Mz+1</xsl:with-param>
            <xsl:with-param name="meaning">(z+1)-средняя молекулярная масса, г/моль</xsl:with-param>
            <xsl:with-param name="value" select="Mz1"/>
          </xsl:call-template>
          <xsl:call-template name="result">
            <xsl:with-param name="symbol">Mp</xsl:with-param>
            <xsl:with-param name="meaning">Молекулярная масса в максимуме пика, г/моль</xsl:with-param>
            <xsl:with-param name="value" select="Mp"/>
          </xsl:call-template>
        </tbody>
      </table>
    </section>
  </xsl:template>

  <xsl:template match="files/fill_data">
    <tr>
      <xsl:if test="name[2] != 'Да'"><xsl:attribute name="class">off</xsl:attribute></xsl:if>
      <td class="num"><xsl:value-of select="name[1]"/></td>
      <td><xsl:value-of select="name[2]"/></td>
      <td class="path"><xsl:value-of select="name[3]"/></td>
      <td><xsl:value-of select="name[4]"/></td>
      <td class="num date"><xsl:value-of select="analyse_time"/></td>
    </tr>
  </xsl:template>

  <xsl:template name="result">
    <xsl:param name="symbol"/>
    <xsl:param name="meaning"/>
    <xsl:param name="value"/>
    <tr>
      <th scope="row"><xsl:value-of select="$symbol"/></th>
      <td><xsl:value-of select="$meaning"/></td>
      <td class="num"><xsl:value-of select="$value"/></td>
    </tr>
  </xsl:template>

  <!-- An empty text (the polydisperse type has no name in the document) shows as a dash. -->
  <xsl:template name="text-or-dash">
    <xsl:param name="text"/>
    <xsl:choose>
      <xsl:when test="normalize-space($text)"><xsl:value-of select="$text"/></xsl:when>
      <xsl:otherwise>—</xsl:otherwise>
    </xsl:choose>
  </xsl:template>
</xsl:stylesheet>

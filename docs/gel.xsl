<?xml version="1.0" encoding="UTF-8"?>
<!--
  The default report stylesheet of the gel permeation chromatography module. The module looks for it as
  gel.xsl in the documents folder named by the host profile parameter PublicDocuments_Quorvel and turns its
  report document into a printable HTML5 page: the chromatograms with their samples, the calibration type
  and dependence, the calibration points with the fitted molar masses, the coefficients and the fit's
  quality, the chart pictures, the six results and every calculated sample's results.
  The page is in English when the document's language mark is 1033 (the host speaks English), in Russian
  otherwise; the document's own words (Да, Нет, the type names) are shown in the page's language.
  Pictures are taken from their data: URIs, so the page needs no picture folder; a document without one
  falls back to the picture's file.
  Every value is written as text, so the page escapes whatever the data hold; the page has no scripts.
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="UTF-8" indent="yes" doctype-system="about:legacy-compat"/>

  <xsl:variable name="english" select="string(/Document/language) = '1033'"/>

  <xsl:template match="/">
    <html>
      <xsl:attribute name="lang">
        <xsl:choose><xsl:when test="$english">en</xsl:when><xsl:otherwise>ru</xsl:otherwise></xsl:choose>
      </xsl:attribute>
      <head>
        <meta name="viewport" content="width=device-width, initial-scale=1"/>
        <title>
          <xsl:call-template name="say">
            <xsl:with-param name="ru">Отчёт: гель-проникающая хроматография</xsl:with-param>
            <xsl:with-param name="en">Report: gel permeation chromatography</xsl:with-param>
          </xsl:call-template>
        </title>
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
          td.warn { color: #b44d00; font-weight: bold; }
          .facts { display: grid; grid-template-columns: max-content 1fr; gap: 4px 16px; margin: 0; }
          .facts dt { color: #52606d; }
          .facts dd { margin: 0; font-weight: bold; }
          .compact { width: auto; min-width: 50%; }
          .empty { margin: 0; color: #7b8794; font-style: italic; }
          .note { margin: 6px 0 0; color: #52606d; font-size: 12px; }
          figure { margin: 0; }
          figure img { display: block; max-width: 100%; height: auto; border: 1px solid #cbd2d9; }
          figcaption { margin-top: 6px; color: #52606d; font-size: 12px; }
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
      <h1>
        <xsl:call-template name="say">
          <xsl:with-param name="ru">Гель-проникающая хроматография</xsl:with-param>
          <xsl:with-param name="en">Gel permeation chromatography</xsl:with-param>
        </xsl:call-template>
      </h1>
      <p class="subtitle">
        <xsl:call-template name="say">
          <xsl:with-param name="ru">Отчёт о калибровке и молекулярно-массовых характеристиках</xsl:with-param>
          <xsl:with-param name="en">Report on the calibration and the molar-mass averages</xsl:with-param>
        </xsl:call-template>
      </p>
    </header>

    <section>
      <h2>
        <xsl:call-template name="say">
          <xsl:with-param name="ru">Хроматограммы</xsl:with-param>
          <xsl:with-param name="en">Chromatograms</xsl:with-param>
        </xsl:call-template>
      </h2>
      <xsl:choose>
        <xsl:when test="files/fill_data">
          <table>
            <thead>
              <tr>
                <th class="num"><xsl:call-template name="say-number"/></th>
                <th>
                  <xsl:call-template name="say">
                    <xsl:with-param name="ru">В расчёте</xsl:with-param>
                    <xsl:with-param name="en">Included</xsl:with-param>
                  </xsl:call-template>
                </th>
                <th><xsl:call-template name="say-file"/></th>
                <th><xsl:call-template name="say-sample"/></th>
                <th>
                  <xsl:call-template name="say">
                    <xsl:with-param name="ru">Метод</xsl:with-param>
                    <xsl:with-param name="en">Method</xsl:with-param>
                  </xsl:call-template>
                </th>
                <th>
                  <xsl:call-template name="say">
                    <xsl:with-param name="ru">Дата анализа</xsl:with-param>
                    <xsl:with-param name="en">Analysis date</xsl:with-param>
                  </xsl:call-template>
                </th>
              </tr>
            </thead>
            <tbody>
              <xsl:apply-templates select="files/fill_data"/>
            </tbody>
          </table>
        </xsl:when>
        <xsl:otherwise>
          <p class="empty">
            <xsl:call-template name="say">
              <xsl:with-param name="ru">Хроматограммы не выбраны</xsl:with-param>
              <xsl:with-param name="en">No chromatograms are chosen</xsl:with-param>
            </xsl:call-template>
          </p>
        </xsl:otherwise>
      </xsl:choose>
    </section>

    <section>
      <h2>
        <xsl:call-template name="say">
          <xsl:with-param name="ru">Калибровка</xsl:with-param>
          <xsl:with-param name="en">Calibration</xsl:with-param>
        </xsl:call-template>
      </h2>
      <dl class="facts">
        <dt>
          <xsl:call-template name="say">
            <xsl:with-param name="ru">Тип калибровки</xsl:with-param>
            <xsl:with-param name="en">Calibration type</xsl:with-param>
          </xsl:call-template>
        </dt>
        <dd><xsl:call-template name="text-or-dash"><xsl:with-param name="text" select="grad_string"/></xsl:call-template></dd>
        <dt>
          <xsl:call-template name="say">
            <xsl:with-param name="ru">Зависимость</xsl:with-param>
            <xsl:with-param name="en">Dependence</xsl:with-param>
          </xsl:call-template>
        </dt>
        <dd><xsl:call-template name="text-or-dash"><xsl:with-param name="text" select="dependence_string"/></xsl:call-template></dd>
      </dl>

      <h3>
        <xsl:call-template name="say">
          <xsl:with-param name="ru">Калибровочные точки</xsl:with-param>
          <xsl:with-param name="en">Calibration points</xsl:with-param>
        </xsl:call-template>
      </h3>
      <xsl:choose>
        <xsl:when test="calc_table/fill_data">
          <!-- K and Alpha are shown by the points list of the universal calibration only. -->
          <xsl:variable name="universal" select="boolean(calc_table/fill_data/name[position() &gt; 5][normalize-space()])"/>
          <xsl:variable name="fitted" select="boolean(calc_table/fill_data/fit_molar_mass)"/>
          <table>
            <thead>
              <tr>
                <th class="num"><xsl:call-template name="say-number"/></th>
                <th>
                  <xsl:call-template name="say">
                    <xsl:with-param name="ru">Учтена</xsl:with-param>
                    <xsl:with-param name="en">Used</xsl:with-param>
                  </xsl:call-template>
                </th>
                <th>
                  <xsl:call-template name="say">
                    <xsl:with-param name="ru">№ / Компонент</xsl:with-param>
                    <xsl:with-param name="en">No. / Component</xsl:with-param>
                  </xsl:call-template>
                </th>
                <th class="num">
                  <xsl:call-template name="say">
                    <xsl:with-param name="ru">Время, мин</xsl:with-param>
                    <xsl:with-param name="en">Time, min</xsl:with-param>
                  </xsl:call-template>
                </th>
                <th class="num">
                  <xsl:call-template name="say">
                    <xsl:with-param name="ru">MM, г/моль</xsl:with-param>
                    <xsl:with-param name="en">M, g/mol</xsl:with-param>
                  </xsl:call-template>
                </th>
                <xsl:if test="$universal"><th class="num">K</th><th class="num">Alpha</th></xsl:if>
                <xsl:if test="$fitted">
                  <th class="num">
                    <xsl:call-template name="say">
                      <xsl:with-param name="ru">MM по калибровке, г/моль</xsl:with-param>
                      <xsl:with-param name="en">Fitted M, g/mol</xsl:with-param>
                    </xsl:call-template>
                  </th>
                  <th class="num">
                    <xsl:call-template name="say">
                      <xsl:with-param name="ru">Отклонение, %</xsl:with-param>
                      <xsl:with-param name="en">Deviation, %</xsl:with-param>
                    </xsl:call-template>
                  </th>
                </xsl:if>
              </tr>
            </thead>
            <tbody>
              <xsl:for-each select="calc_table/fill_data">
                <tr>
                  <xsl:if test="name[2] != 'Да'"><xsl:attribute name="class">off</xsl:attribute></xsl:if>
                  <td class="num"><xsl:value-of select="name[1]"/></td>
                  <td><xsl:call-template name="shown"><xsl:with-param name="text" select="name[2]"/></xsl:call-template></td>
                  <td><xsl:value-of select="name[3]"/></td>
                  <td class="num"><xsl:value-of select="name[4]"/></td>
                  <td class="num"><xsl:value-of select="name[5]"/></td>
                  <xsl:if test="$universal">
                    <td class="num"><xsl:value-of select="name[6]"/></td>
                    <td class="num"><xsl:value-of select="name[7]"/></td>
                  </xsl:if>
                  <xsl:if test="$fitted">
                    <td class="num"><xsl:value-of select="fit_molar_mass"/></td>
                    <td class="num"><xsl:value-of select="deviation"/></td>
                  </xsl:if>
                </tr>
              </xsl:for-each>
            </tbody>
          </table>
        </xsl:when>
        <xsl:otherwise>
          <p class="empty">
            <xsl:call-template name="say">
              <xsl:with-param name="ru">Калибровочных точек нет</xsl:with-param>
              <xsl:with-param name="en">No calibration points</xsl:with-param>
            </xsl:call-template>
          </p>
        </xsl:otherwise>
      </xsl:choose>

      <h3>
        <xsl:call-template name="say">
          <xsl:with-param name="ru">Коэффициенты калибровки</xsl:with-param>
          <xsl:with-param name="en">Calibration coefficients</xsl:with-param>
        </xsl:call-template>
      </h3>
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

      <xsl:apply-templates select="fit"/>
    </section>

    <xsl:for-each select="graph">
      <xsl:call-template name="picture">
        <xsl:with-param name="heading">
          <xsl:call-template name="say">
            <xsl:with-param name="ru" select="header/label"/>
            <xsl:with-param name="en">Calibration chart</xsl:with-param>
          </xsl:call-template>
        </xsl:with-param>
        <xsl:with-param name="alt">
          <xsl:call-template name="say">
            <xsl:with-param name="ru">График калибровки</xsl:with-param>
            <xsl:with-param name="en">Calibration chart</xsl:with-param>
          </xsl:call-template>
        </xsl:with-param>
      </xsl:call-template>
    </xsl:for-each>

    <section>
      <h2>
        <xsl:call-template name="say">
          <xsl:with-param name="ru">Результаты</xsl:with-param>
          <xsl:with-param name="en">Results</xsl:with-param>
        </xsl:call-template>
      </h2>
      <table class="compact">
        <thead>
          <tr>
            <th>
              <xsl:call-template name="say">
                <xsl:with-param name="ru">Параметр</xsl:with-param>
                <xsl:with-param name="en">Parameter</xsl:with-param>
              </xsl:call-template>
            </th>
            <th>
              <xsl:call-template name="say">
                <xsl:with-param name="ru">Величина</xsl:with-param>
                <xsl:with-param name="en">Quantity</xsl:with-param>
              </xsl:call-template>
            </th>
            <th class="num">
              <xsl:call-template name="say">
                <xsl:with-param name="ru">Значение</xsl:with-param>
                <xsl:with-param name="en">Value</xsl:with-param>
              </xsl:call-template>
            </th>
          </tr>
        </thead>
        <tbody>
          <xsl:call-template name="result">
            <xsl:with-param name="symbol">Mn</xsl:with-param>
            <xsl:with-param name="ru">Среднечисловая молекулярная масса, г/моль</xsl:with-param>
            <xsl:with-param name="en">Number-average molar mass, g/mol</xsl:with-param>
            <xsl:with-param name="value" select="Mn"/>
          </xsl:call-template>
          <xsl:call-template name="result">
            <xsl:with-param name="symbol">Mw</xsl:with-param>
            <xsl:with-param name="ru">Среднемассовая молекулярная масса, г/моль</xsl:with-param>
            <xsl:with-param name="en">Weight-average molar mass, g/mol</xsl:with-param>
            <xsl:with-param name="value" select="Mw"/>
          </xsl:call-template>
          <xsl:call-template name="result">
            <xsl:with-param name="symbol">Mw/Mn</xsl:with-param>
            <xsl:with-param name="ru">Коэффициент полидисперсности</xsl:with-param>
            <xsl:with-param name="en">Dispersity</xsl:with-param>
            <xsl:with-param name="value" select="MwMn"/>
          </xsl:call-template>
          <xsl:call-template name="result">
            <xsl:with-param name="symbol">Mz</xsl:with-param>
            <xsl:with-param name="ru">z-средняя молекулярная масса, г/моль</xsl:with-param>
            <xsl:with-param name="en">z-average molar mass, g/mol</xsl:with-param>
            <xsl:with-param name="value" select="Mz"/>
          </xsl:call-template>
          <xsl:call-template name="result">
            <xsl:with-param name="symbol">Mz+1</xsl:with-param>
            <xsl:with-param name="ru">(z+1)-средняя молекулярная масса, г/моль</xsl:with-param>
            <xsl:with-param name="en">(z+1)-average molar mass, g/mol</xsl:with-param>
            <xsl:with-param name="value" select="Mz1"/>
          </xsl:call-template>
          <xsl:call-template name="result">
            <xsl:with-param name="symbol">Mp</xsl:with-param>
            <xsl:with-param name="ru">Молекулярная масса в максимуме пика, г/моль</xsl:with-param>
            <xsl:with-param name="en">Molar mass at the peak maximum, g/mol</xsl:with-param>
            <xsl:with-param name="value" select="Mp"/>
          </xsl:call-template>
        </tbody>
      </table>
    </section>

    <xsl:apply-templates select="samples"/>

    <xsl:for-each select="distribution_graph">
      <xsl:call-template name="picture">
        <xsl:with-param name="heading">
          <xsl:call-template name="say">
            <xsl:with-param name="ru" select="header/label"/>
            <xsl:with-param name="en">Molar-mass distribution</xsl:with-param>
          </xsl:call-template>
        </xsl:with-param>
        <xsl:with-param name="alt">
          <xsl:call-template name="say">
            <xsl:with-param name="ru">График молекулярно-массового распределения</xsl:with-param>
            <xsl:with-param name="en">Molar-mass distribution chart</xsl:with-param>
          </xsl:call-template>
        </xsl:with-param>
        <xsl:with-param name="subtitle">
          <xsl:call-template name="say-sample"/>
          <xsl:text>: </xsl:text>
          <xsl:value-of select="sample"/>
          <xsl:text> (</xsl:text>
          <xsl:value-of select="file"/>
          <xsl:text>)</xsl:text>
        </xsl:with-param>
        <xsl:with-param name="caption">
          <xsl:call-template name="say">
            <xsl:with-param name="ru">Синяя линия: дифференциальное распределение dW/d lg M, площадь 1; зелёная: интегральное W, от 0 до 1.</xsl:with-param>
            <xsl:with-param name="en">Blue line: the differential distribution dW/d lg M, area 1; green: the cumulative W, 0 to 1.</xsl:with-param>
          </xsl:call-template>
        </xsl:with-param>
      </xsl:call-template>
    </xsl:for-each>
  </xsl:template>

  <xsl:template match="files/fill_data">
    <tr>
      <xsl:if test="name[2] != 'Да'"><xsl:attribute name="class">off</xsl:attribute></xsl:if>
      <td class="num"><xsl:value-of select="name[1]"/></td>
      <td><xsl:call-template name="shown"><xsl:with-param name="text" select="name[2]"/></xsl:call-template></td>
      <td class="path"><xsl:value-of select="name[3]"/></td>
      <td><xsl:value-of select="sample"/></td>
      <td><xsl:value-of select="name[4]"/></td>
      <td class="num date"><xsl:value-of select="analyse_time"/></td>
    </tr>
  </xsl:template>

  <!-- The fit's quality; a measure the fit leaves undefined shows as a dash. -->
  <xsl:template match="fit">
    <h3>
      <xsl:call-template name="say">
        <xsl:with-param name="ru">Качество подгонки</xsl:with-param>
        <xsl:with-param name="en">Quality of the fit</xsl:with-param>
      </xsl:call-template>
    </h3>
    <dl class="facts">
      <dt>
        <xsl:call-template name="say">
          <xsl:with-param name="ru">Степень полинома</xsl:with-param>
          <xsl:with-param name="en">Polynomial degree</xsl:with-param>
        </xsl:call-template>
      </dt>
      <dd>
        <xsl:call-template name="text-or-dash">
          <xsl:with-param name="text" select="degree[. &gt;= 0]"/>
        </xsl:call-template>
      </dd>
      <dt>R²</dt>
      <dd><xsl:call-template name="text-or-dash"><xsl:with-param name="text" select="r2"/></xsl:call-template></dd>
      <dt>
        <xsl:call-template name="say">
          <xsl:with-param name="ru">Стандартная ошибка Y</xsl:with-param>
          <xsl:with-param name="en">Standard error of Y</xsl:with-param>
        </xsl:call-template>
      </dt>
      <dd><xsl:call-template name="text-or-dash"><xsl:with-param name="text" select="std_error"/></xsl:call-template></dd>
    </dl>
  </xsl:template>

  <!-- Every calculated sample's results with the final calibration; a share outside the times of the
       used standards that the module marks is highlighted. -->
  <xsl:template match="samples">
    <section>
      <h2>
        <xsl:call-template name="say">
          <xsl:with-param name="ru">Результаты по образцам</xsl:with-param>
          <xsl:with-param name="en">Results of the samples</xsl:with-param>
        </xsl:call-template>
      </h2>
      <xsl:choose>
        <xsl:when test="fill_data">
          <table>
            <thead>
              <tr>
                <th class="num"><xsl:call-template name="say-number"/></th>
                <th><xsl:call-template name="say-file"/></th>
                <th><xsl:call-template name="say-sample"/></th>
                <th class="num">Mn</th><th class="num">Mw</th><th class="num">Mw/Mn</th>
                <th class="num">Mz</th><th class="num">Mz+1</th><th class="num">Mp</th>
                <th class="num">
                  <xsl:call-template name="say">
                    <xsl:with-param name="ru">Вне калибровки, %</xsl:with-param>
                    <xsl:with-param name="en">Outside calibration, %</xsl:with-param>
                  </xsl:call-template>
                </th>
              </tr>
            </thead>
            <tbody>
              <xsl:for-each select="fill_data">
                <tr>
                  <td class="num"><xsl:value-of select="assay"/></td>
                  <td class="path"><xsl:value-of select="file"/></td>
                  <td><xsl:value-of select="sample"/></td>
                  <td class="num"><xsl:value-of select="Mn"/></td>
                  <td class="num"><xsl:value-of select="Mw"/></td>
                  <td class="num"><xsl:value-of select="MwMn"/></td>
                  <td class="num"><xsl:value-of select="Mz"/></td>
                  <td class="num"><xsl:value-of select="Mz1"/></td>
                  <td class="num"><xsl:value-of select="Mp"/></td>
                  <td class="num">
                    <xsl:if test="outside_marked = 'Да'"><xsl:attribute name="class">num warn</xsl:attribute></xsl:if>
                    <xsl:value-of select="outside_range"/>
                  </td>
                </tr>
              </xsl:for-each>
            </tbody>
          </table>
          <p class="note">
            <xsl:call-template name="say">
              <xsl:with-param name="ru">Молекулярные массы в г/моль. Выделенная доля площади лежит вне времён удерживания использованных стандартов: средние такого образца опираются на продолжение калибровки.</xsl:with-param>
              <xsl:with-param name="en">Molar masses in g/mol. A highlighted share of the area lies outside the retention times of the used standards: that sample's averages rest on an extrapolated calibration.</xsl:with-param>
            </xsl:call-template>
          </p>
        </xsl:when>
        <xsl:otherwise>
          <p class="empty">
            <xsl:call-template name="say">
              <xsl:with-param name="ru">Рассчитанных образцов нет</xsl:with-param>
              <xsl:with-param name="en">No sample was calculated</xsl:with-param>
            </xsl:call-template>
          </p>
        </xsl:otherwise>
      </xsl:choose>
    </section>
  </xsl:template>

  <!-- A chart picture of the document (the context node): shown from its data: URI, so that the page
       needs no picture folder, or else from its picture file; any other address is left out. -->
  <xsl:template name="picture">
    <xsl:param name="heading"/>
    <xsl:param name="alt"/>
    <xsl:param name="subtitle"/>
    <xsl:param name="caption"/>
    <xsl:variable name="source">
      <xsl:choose>
        <xsl:when test="starts-with(data_uri, 'data:image/png;base64,')"><xsl:value-of select="data_uri"/></xsl:when>
        <xsl:when test="starts-with(path, 'file:')"><xsl:value-of select="path"/></xsl:when>
      </xsl:choose>
    </xsl:variable>
    <xsl:if test="string($source)">
      <section class="chart">
        <h2><xsl:value-of select="$heading"/></h2>
        <xsl:if test="string($subtitle)"><p class="subtitle"><xsl:value-of select="$subtitle"/></p></xsl:if>
        <figure>
          <img src="{$source}" width="1000" height="600" alt="{$alt}"/>
          <xsl:if test="string($caption)"><figcaption><xsl:value-of select="$caption"/></figcaption></xsl:if>
        </figure>
      </section>
    </xsl:if>
  </xsl:template>

  <xsl:template name="result">
    <xsl:param name="symbol"/>
    <xsl:param name="ru"/>
    <xsl:param name="en"/>
    <xsl:param name="value"/>
    <tr>
      <th scope="row"><xsl:value-of select="$symbol"/></th>
      <td>
        <xsl:call-template name="say">
          <xsl:with-param name="ru" select="$ru"/>
          <xsl:with-param name="en" select="$en"/>
        </xsl:call-template>
      </td>
      <td class="num"><xsl:value-of select="$value"/></td>
    </tr>
  </xsl:template>

  <!-- A fixed text of the page in the page's language. -->
  <xsl:template name="say">
    <xsl:param name="ru"/>
    <xsl:param name="en"/>
    <xsl:choose>
      <xsl:when test="$english"><xsl:value-of select="$en"/></xsl:when>
      <xsl:otherwise><xsl:value-of select="$ru"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- Column headings that several tables share. -->
  <xsl:template name="say-number">
    <xsl:call-template name="say">
      <xsl:with-param name="ru">№</xsl:with-param>
      <xsl:with-param name="en">No.</xsl:with-param>
    </xsl:call-template>
  </xsl:template>

  <xsl:template name="say-file">
    <xsl:call-template name="say">
      <xsl:with-param name="ru">Файл</xsl:with-param>
      <xsl:with-param name="en">File</xsl:with-param>
    </xsl:call-template>
  </xsl:template>

  <xsl:template name="say-sample">
    <xsl:call-template name="say">
      <xsl:with-param name="ru">Образец</xsl:with-param>
      <xsl:with-param name="en">Sample</xsl:with-param>
    </xsl:call-template>
  </xsl:template>

  <!-- A word of the document (it carries Russian words) in the page's language. -->
  <xsl:template name="shown">
    <xsl:param name="text"/>
    <xsl:choose>
      <xsl:when test="not($english)"><xsl:value-of select="$text"/></xsl:when>
      <xsl:when test="$text = 'Да'">Yes</xsl:when>
      <xsl:when test="$text = 'Нет'">No</xsl:when>
      <xsl:when test="$text = 'Монодисперсный'">Monodisperse</xsl:when>
      <xsl:when test="$text = 'Универсальный'">Universal</xsl:when>
      <xsl:otherwise><xsl:value-of select="$text"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- An empty text (the polydisperse type has no name in the document) shows as a dash; any other in
       the page's language. -->
  <xsl:template name="text-or-dash">
    <xsl:param name="text"/>
    <xsl:choose>
      <xsl:when test="normalize-space($text)">
        <xsl:call-template name="shown"><xsl:with-param name="text" select="string($text)"/></xsl:call-template>
      </xsl:when>
      <xsl:otherwise>—</xsl:otherwise>
    </xsl:choose>
  </xsl:template>
</xsl:stylesheet>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Figuras</name>
    <message>
        <source>CUADRADO</source>
        <translation>SQUARE</translation>
    </message>
    <message>
        <source> CUADRADO </source>
        <translation> SQUARE </translation>
    </message>
    <message>
        <source>P = L * 4</source>
        <translation>P = S * 4</translation>
    </message>
    <message>
        <source>Lado (l):</source>
        <translation>Side (s):</translation>
    </message>
    <message>
        <source>RECTÁNGULO</source>
        <translation>RECTANGLE</translation>
    </message>
    <message>
        <source> RECTÁNGULO </source>
        <translation> RECTANGLE </translation>
    </message>
    <message>
        <source>P = b * 2 + h * 2</source>
        <translation>P = b * 2 + h * 2</translation>
    </message>
    <message>
        <source>Base (b):</source>
        <translation>Base (b):</translation>
    </message>
    <message>
        <source>Altura (h):</source>
        <translation>Height (h):</translation>
    </message>
    <message>
        <source>TRIÁNGULO</source>
        <translation>TRIANGLE</translation>
    </message>
    <message>
        <source> TRIÁNGULO </source>
        <translation> TRIANGLE </translation>
    </message>
    <message>
        <source>L1 + L2 + L3</source>
        <translation>S1 + S2 + S3</translation>
    </message>
    <message>
        <source>Lado 1 (l1):</source>
        <translation>Side 1 (s1):</translation>
    </message>
    <message>
        <source>Lado 2 (l2):</source>
        <translation>Side 2 (s2):</translation>
    </message>
    <message>
        <source>Lado 3 (l3):</source>
        <translation>Side 3 (s3):</translation>
    </message>
    <message>
        <source>POLÍGONO REG.</source>
        <translation>REG. POLYGON</translation>
    </message>
    <message>
        <source> POLÍGONO REGULAR </source>
        <translation> REGULAR POLYGON </translation>
    </message>
    <message>
        <source>P = L * #</source>
        <translation>P = S * #</translation>
    </message>
    <message>
        <source>No. lados (#):</source>
        <translation>No. of sides (#):</translation>
    </message>
    <message>
        <source>ROMBO</source>
        <translation>RHOMBUS</translation>
    </message>
    <message>
        <source> ROMBO </source>
        <translation> RHOMBUS </translation>
    </message>
    <message>
        <source>ROMBOIDE</source>
        <translation>RHOMBOID</translation>
    </message>
    <message>
        <source> ROMBOIDE </source>
        <translation> RHOMBOID </translation>
    </message>
    <message>
        <source>P = bs + ws</source>
        <translation>P = bs + ss</translation>
    </message>
    <message>
        <source>Bases x2 (bs):</source>
        <translation>Bases x2 (bs):</translation>
    </message>
    <message>
        <source>Paredes x2 (ws):</source>
        <translation>Sides x2 (ss):</translation>
    </message>
    <message>
        <source>TRAPECIO</source>
        <translation>TRAPEZOID</translation>
    </message>
    <message>
        <source> TRAPECIO </source>
        <translation> TRAPEZOID </translation>
    </message>
    <message>
        <source>B + b + ws</source>
        <translation>B + b + s</translation>
    </message>
    <message>
        <source>Base Mayor (B):</source>
        <translation>Long base (B):</translation>
    </message>
    <message>
        <source>Base Menor (b):</source>
        <translation>Short base (b):</translation>
    </message>
    <message>
        <source>CIRCUNFERENC.</source>
        <translation>CIRCLE</translation>
    </message>
    <message>
        <source> CIRCUNFERENCIA </source>
        <translation> CIRCUMFERENCE </translation>
    </message>
    <message>
        <source>Pi * D</source>
        <translation>Pi * D</translation>
    </message>
    <message>
        <source>Diametro (D):</source>
        <translation>Diameter (D):</translation>
    </message>
    <message>
        <source>A = L²</source>
        <translation>A = S²</translation>
    </message>
    <message>
        <source>A = b * h</source>
        <translation>A = b * h</translation>
    </message>
    <message>
        <source>A = b * h / 2</source>
        <translation>A = b * h / 2</translation>
    </message>
    <message>
        <source>A = D * d / 2</source>
        <translation>A = D * d / 2</translation>
    </message>
    <message>
        <source>Diagonal Mayor (D):</source>
        <translation>Long diagonal (D):</translation>
    </message>
    <message>
        <source>Diagonal Menor (d):</source>
        <translation>Short diagonal (d):</translation>
    </message>
    <message>
        <source>A = (B + b) * h / 2</source>
        <translation>A = (B + b) * h / 2</translation>
    </message>
    <message>
        <source>A = L * # * a / 2</source>
        <translation>A = S * # * a / 2</translation>
    </message>
    <message>
        <source>Apotema (a):</source>
        <translation>Apothem (a):</translation>
    </message>
    <message>
        <source>CÍRCULO</source>
        <translation>CIRCLE</translation>
    </message>
    <message>
        <source> CÍRCULO </source>
        <translation> CIRCLE </translation>
    </message>
    <message>
        <source>A = Pi * r²</source>
        <translation>A = Pi * r²</translation>
    </message>
    <message>
        <source>Radio (r):</source>
        <translation>Radius (r):</translation>
    </message>
    <message>
        <source>ESFERA</source>
        <translation>SPHERE</translation>
    </message>
    <message>
        <source> ESFERA </source>
        <translation> SPHERE </translation>
    </message>
    <message>
        <source>A = Pi * 4 * r²</source>
        <translation>A = Pi * 4 * r²</translation>
    </message>
    <message>
        <source>CUBO</source>
        <translation>CUBE</translation>
    </message>
    <message>
        <source> CUBO </source>
        <translation> CUBE </translation>
    </message>
    <message>
        <source>V = a³</source>
        <translation>V = a³</translation>
    </message>
    <message>
        <source>Arista (a):</source>
        <translation>Edge (a):</translation>
    </message>
    <message>
        <source>PARALELEPÍPED.</source>
        <translation>CUBOID</translation>
    </message>
    <message>
        <source> PARALELEPÍPEDO </source>
        <translation> RECTANGULAR CUBOID </translation>
    </message>
    <message>
        <source>V = a1 * a2 * a3</source>
        <translation>V = a1 * a2 * a3</translation>
    </message>
    <message>
        <source>Arista 1 (a1):</source>
        <translation>Edge 1 (a1):</translation>
    </message>
    <message>
        <source>Arista 2 (a2):</source>
        <translation>Edge 2 (a2):</translation>
    </message>
    <message>
        <source>Arista 3 (a3):</source>
        <translation>Edge 3 (a3):</translation>
    </message>
    <message>
        <source>PRISMA</source>
        <translation>PRISM</translation>
    </message>
    <message>
        <source> PRISMA </source>
        <translation> PRISM </translation>
    </message>
    <message>
        <source>V = Ab * h</source>
        <translation>V = Ab * h</translation>
    </message>
    <message>
        <source>Área Base (Ab):</source>
        <translation>Base area (Ab):</translation>
    </message>
    <message>
        <source>CILINDRO</source>
        <translation>CYLINDER</translation>
    </message>
    <message>
        <source> CILINDRO </source>
        <translation> CYLINDER </translation>
    </message>
    <message>
        <source>V = Pi * r² * h</source>
        <translation>V = Pi * r² * h</translation>
    </message>
    <message>
        <source>CONO</source>
        <translation>CONE</translation>
    </message>
    <message>
        <source> CONO </source>
        <translation> CONE </translation>
    </message>
    <message>
        <source>V = Pi * r² * h / 3</source>
        <translation>V = Pi * r² * h / 3</translation>
    </message>
    <message>
        <source>PIRÁMIDE</source>
        <translation>PYRAMID</translation>
    </message>
    <message>
        <source> PIRÁMIDE </source>
        <translation> PYRAMID </translation>
    </message>
    <message>
        <source>V = Ab * h / 3</source>
        <translation>V = Ab * h / 3</translation>
    </message>
    <message>
        <source>V = 4/3 * Pi * r³</source>
        <translation>V = 4/3 * Pi * r³</translation>
    </message>
    <message>
        <source>OCTAEDRO REG.</source>
        <translation>OCTAHEDRON</translation>
    </message>
    <message>
        <source> OCTAEDRO REGULAR </source>
        <translation> REGULAR OCTAHEDRON </translation>
    </message>
    <message>
        <source>V = Raiz(2) / 3 * a³</source>
        <translation>V = Sqrt(2) / 3 * a³</translation>
    </message>
    <message>
        <source>Paredes x2 (ws):</source>
        <comment>B + b + ws</comment>
        <translation>Both sides (s):</translation>
    </message>
    <message>
        <source> ESFERA </source>
        <comment>A = Pi * 4 * r²</comment>
        <translation> SPHERE SURFACE </translation>
    </message>
</context>
<context>
    <name>Unidades</name>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>mm²</source>
        <translation>mm²</translation>
    </message>
    <message>
        <source>cm²</source>
        <translation>cm²</translation>
    </message>
    <message>
        <source>m²</source>
        <translation>m²</translation>
    </message>
    <message>
        <source>km²</source>
        <translation>km²</translation>
    </message>
    <message>
        <source>mm³</source>
        <translation>mm³</translation>
    </message>
    <message>
        <source>cm³</source>
        <translation>cm³</translation>
    </message>
    <message>
        <source>m³</source>
        <translation>m³</translation>
    </message>
    <message>
        <source>km³</source>
        <translation>km³</translation>
    </message>
    <message>
        <source>Milímetro</source>
        <translation>Millimetre</translation>
    </message>
    <message>
        <source>Centímetro</source>
        <translation>Centimetre</translation>
    </message>
    <message>
        <source>Pulgada</source>
        <translation>Inch</translation>
    </message>
    <message>
        <source>Decímetro</source>
        <translation>Decimetre</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Foot</translation>
    </message>
    <message>
        <source>Yarda</source>
        <translation>Yard</translation>
    </message>
    <message>
        <source>Metro</source>
        <translation>Metre</translation>
    </message>
    <message>
        <source>Kilómetro</source>
        <translation>Kilometre</translation>
    </message>
    <message>
        <source>Milla</source>
        <translation>Mile</translation>
    </message>
    <message>
        <source>Centímetro²</source>
        <translation>Centimetre²</translation>
    </message>
    <message>
        <source>Pulgada²</source>
        <translation>Inch²</translation>
    </message>
    <message>
        <source>Decímetro²</source>
        <translation>Decimetre²</translation>
    </message>
    <message>
        <source>Pie²</source>
        <translation>Foot²</translation>
    </message>
    <message>
        <source>Yarda²</source>
        <translation>Yard²</translation>
    </message>
    <message>
        <source>Metro²</source>
        <translation>Metre²</translation>
    </message>
    <message>
        <source>Área</source>
        <translation>Are</translation>
    </message>
    <message>
        <source>Hectárea</source>
        <translation>Hectare</translation>
    </message>
    <message>
        <source>Kilómetro²</source>
        <translation>Kilometre²</translation>
    </message>
    <message>
        <source>Milla²</source>
        <translation>Mile²</translation>
    </message>
    <message>
        <source>Centímetro³</source>
        <translation>Centimetre³</translation>
    </message>
    <message>
        <source>Centílitro</source>
        <translation>Centilitre</translation>
    </message>
    <message>
        <source>Decílitro</source>
        <translation>Decilitre</translation>
    </message>
    <message>
        <source>Litro</source>
        <translation>Litre</translation>
    </message>
    <message>
        <source>Decímetro³</source>
        <translation>Decimetre³</translation>
    </message>
    <message>
        <source>Decalitro</source>
        <translation>Decalitre</translation>
    </message>
    <message>
        <source>Hectalitro</source>
        <translation>Hectolitre</translation>
    </message>
    <message>
        <source>Barril Liq. EE.UU.</source>
        <translation>US Oil Barrel</translation>
    </message>
    <message>
        <source>Metro³</source>
        <translation>Metre³</translation>
    </message>
    <message>
        <source>Kilometro³</source>
        <translation>Kilometre³</translation>
    </message>
    <message numerus="yes">
        <source>milímetros</source>
        <translation>
            <numerusform>millimetre</numerusform>
            <numerusform>millimetres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centímetros</source>
        <translation>
            <numerusform>centimetre</numerusform>
            <numerusform>centimetres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>metros</source>
        <translation>
            <numerusform>metre</numerusform>
            <numerusform>metres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilómetros</source>
        <translation>
            <numerusform>kilometre</numerusform>
            <numerusform>kilometres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milímetros cuadrados</source>
        <translation>
            <numerusform>square millimetre</numerusform>
            <numerusform>square millimetres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centímetros cuadrados</source>
        <translation>
            <numerusform>square centimetre</numerusform>
            <numerusform>square centimetres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>metros cuadrados</source>
        <translation>
            <numerusform>square metre</numerusform>
            <numerusform>square metres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilómetros cuadrados</source>
        <translation>
            <numerusform>square kilometre</numerusform>
            <numerusform>square kilometres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milímetros cúbicos</source>
        <translation>
            <numerusform>cubic millimetre</numerusform>
            <numerusform>cubic millimetres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centímetros cúbicos</source>
        <translation>
            <numerusform>cubic centimetre</numerusform>
            <numerusform>cubic centimetres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>metros cúbicos</source>
        <translation>
            <numerusform>cubic metre</numerusform>
            <numerusform>cubic metres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilómetros cúbicos</source>
        <translation>
            <numerusform>cubic kilometre</numerusform>
            <numerusform>cubic kilometres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pulgadas</source>
        <translation>
            <numerusform>inch</numerusform>
            <numerusform>inches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decímetros</source>
        <translation>
            <numerusform>decimetre</numerusform>
            <numerusform>decimetres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pies</source>
        <translation>
            <numerusform>foot</numerusform>
            <numerusform>feet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yardas</source>
        <translation>
            <numerusform>yard</numerusform>
            <numerusform>yards</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millas</source>
        <translation>
            <numerusform>mile</numerusform>
            <numerusform>miles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pulgadas cuadradas</source>
        <translation>
            <numerusform>square inch</numerusform>
            <numerusform>square inches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decímetros cuadrados</source>
        <translation>
            <numerusform>square decimetre</numerusform>
            <numerusform>square decimetres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pies cuadrados</source>
        <translation>
            <numerusform>square foot</numerusform>
            <numerusform>square feet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yardas cuadradas</source>
        <translation>
            <numerusform>square yard</numerusform>
            <numerusform>square yards</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>áreas</source>
        <translation>
            <numerusform>are</numerusform>
            <numerusform>ares</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hectáreas</source>
        <translation>
            <numerusform>hectare</numerusform>
            <numerusform>hectares</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millas cuadradas</source>
        <translation>
            <numerusform>square mile</numerusform>
            <numerusform>square miles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centilitros</source>
        <translation>
            <numerusform>centilitre</numerusform>
            <numerusform>centilitres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decilitros</source>
        <translation>
            <numerusform>decilitre</numerusform>
            <numerusform>decilitres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>litros</source>
        <translation>
            <numerusform>litre</numerusform>
            <numerusform>litres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decímetros cúbicos</source>
        <translation>
            <numerusform>cubic decimetre</numerusform>
            <numerusform>cubic decimetres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decalitros</source>
        <translation>
            <numerusform>decalitre</numerusform>
            <numerusform>decalitres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hectolitros</source>
        <translation>
            <numerusform>hectolitre</numerusform>
            <numerusform>hectolitres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>barriles líquidos estadounidenses</source>
        <translation>
            <numerusform>US oil barrel</numerusform>
            <numerusform>US oil barrels</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Valores</name>
    <message>
        <source>Fuera de rango</source>
        <translation>Out of range</translation>
    </message>
</context>
<context>
    <name>app::CommandLine</name>
    <message>
        <source>Muestra esta ayuda y termina.</source>
        <translation>Shows this help and exits.</translation>
    </message>
    <message>
        <source>Muestra la versión del programa y termina.</source>
        <translation>Shows the program&apos;s version and exits.</translation>
    </message>
    <message>
        <source>CÓDIGO</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>Uso: vantrelo [opciones]
Herramientas de geometría y medida: perímetro, área y volumen de figuras,
triángulo rectángulo y regla de tres, conversión de unidades.

Opciones:
</source>
        <translation>Usage: vantrelo [options]
Geometry and measurement tools: perimeter, area and volume of figures,
right triangles and the rule of three, unit conversion.

Options:
</translation>
    </message>
    <message>
        <source>
Acepta además las opciones de Qt para programas gráficos, como -style.
</source>
        <translation>
Also accepts Qt&apos;s options for graphical programs, such as -style.
</translation>
    </message>
    <message>
        <source>vantrelo: %1; use «vantrelo --help» para ver las opciones.
</source>
        <translation>vantrelo: %1; run &quot;vantrelo --help&quot; to see the options.
</translation>
    </message>
    <message>
        <source>opción desconocida «%1»</source>
        <translation>unknown option &quot;%1&quot;</translation>
    </message>
    <message>
        <source>argumento inesperado «%1»</source>
        <translation>unexpected argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>idioma desconocido «%1»</source>
        <translation>unknown language &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Idioma de las ventanas: %1.</source>
        <translation>Language of the windows: %1.</translation>
    </message>
    <message>
        <source>español</source>
        <extracomment>The name of the language of this translation, written in that language (English, português, català).</extracomment>
        <translation>English</translation>
    </message>
    <message>
        <source>la opción «%1» no lleva valor</source>
        <translation>option &quot;%1&quot; takes no value</translation>
    </message>
    <message>
        <source>a la opción «%1» le falta su valor</source>
        <translation>option &quot;%1&quot; lacks its value</translation>
    </message>
    <message>
        <source>vantrelo: no se pudo escribir la respuesta (%1).
</source>
        <translation>vantrelo: could not write the answer (%1).
</translation>
    </message>
</context>
<context>
    <name>app::MenuWindow</name>
    <message>
        <source>Cálculos con figuras</source>
        <translation>Shape calculators</translation>
    </message>
    <message>
        <source>CÁLCULOS CON FIGURAS</source>
        <translation>SHAPE CALCULATORS</translation>
    </message>
    <message>
        <source>Pitágoras de Samos</source>
        <translation>Pythagoras of Samos</translation>
    </message>
    <message>
        <source>PITÁGORAS DE SAMOS</source>
        <translation>PYTHAGORAS OF SAMOS</translation>
    </message>
    <message>
        <source>Convertidor de unidades</source>
        <translation>Unit converter</translation>
    </message>
    <message>
        <source>CONVERTIDOR DE UNIDADES</source>
        <translation>UNIT CONVERTER</translation>
    </message>
    <message>
        <source>Acerca de Vantrelo</source>
        <translation>About Vantrelo</translation>
    </message>
    <message>
        <source>ACERCA DE VANTRELO</source>
        <translation>ABOUT VANTRELO</translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>Ajustar Pi</source>
        <translation>Set Pi</translation>
    </message>
    <message>
        <source>AJUSTAR PI</source>
        <translation>SET PI</translation>
    </message>
    <message>
        <source>Perímetro</source>
        <translation>Perimeter</translation>
    </message>
    <message>
        <source>Área</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Volumen</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Milvane<byte value="xd"/>
Vantrelo: Versión %1</source>
        <translation>Milvane<byte value="xd"/>
Vantrelo: Version %1</translation>
    </message>
    <message>
        <source>Vantrelo - Menú</source>
        <translation>Vantrelo - Menu</translation>
    </message>
    <message>
        <source>BIENVENIDO</source>
        <translation>WELCOME</translation>
    </message>
    <message>
        <source>Valor de Pi</source>
        <translation>Value of Pi</translation>
    </message>
    <message>
        <source>Teorema de Pitágoras y regla de tres</source>
        <translation>Pythagorean theorem and rule of three</translation>
    </message>
    <message>
        <source>Sobre Pitágoras</source>
        <translation>About Pythagoras</translation>
    </message>
    <message>
        <source>Valor no permitido.</source>
        <translation>Pi must be between 3.14 and 3.15.</translation>
    </message>
    <message>
        <source>Está apunto de cerrar todo, ¿está seguro?</source>
        <translation>You are about to close everything. Are you sure?</translation>
    </message>
    <message>
        <source>Abre un menú: perímetro, área, volumen</source>
        <translation>Opens a menu: perimeter, area, volume</translation>
    </message>
    <message>
        <source>Abre un menú: teorema de Pitágoras y regla de tres, sobre Pitágoras</source>
        <translation>Opens a menu: Pythagorean theorem and rule of three, about Pythagoras</translation>
    </message>
    <message>
        <source>Abre el convertidor de unidades</source>
        <translation>Opens the unit converter</translation>
    </message>
    <message>
        <source>Cuadro de Pi cerrado</source>
        <translation>Pi box closed</translation>
    </message>
    <message>
        <source>Cuadro de Pi abierto: %1; Tab para editarlo</source>
        <translation>Pi box open: %1; Tab to edit it</translation>
    </message>
    <message>
        <source>Pi: %1</source>
        <translation>Pi: %1</translation>
    </message>
    <message>
        <source>Entre 3.14 y 3.15; Intro para aplicar, Escape o doble clic para restablecer</source>
        <translation>Between 3.14 and 3.15; Enter to apply, Escape or double-click to reset</translation>
    </message>
    <message>
        <source>Valor predeterminado: %1</source>
        <translation>Default value: %1</translation>
    </message>
    <message>
        <source>Hoja de resultados</source>
        <translation>Results sheet</translation>
    </message>
    <message>
        <source>HOJA DE RESULTADOS</source>
        <translation>RESULTS SHEET</translation>
    </message>
    <message>
        <source>La hoja de resultados tiene anotaciones sin guardar ni copiar, que se perderán. ¿Cerrar de todos modos?</source>
        <translation>The results sheet has entries that were neither saved nor copied, and they will be lost. Close anyway?</translation>
    </message>
</context>
<context>
    <name>app::QtDesktop</name>
    <message>
        <source>Sí</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Acerca de %1</source>
        <translation>About %1</translation>
    </message>
</context>
<context>
    <name>app::SplashWindow</name>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source> Cerrar </source>
        <translation> Close </translation>
    </message>
</context>
<context>
    <name>app::WindowSystem</name>
    <message>
        <source>vantrelo: no se pudo conectar con ningún sistema de ventanas (DISPLAY=%1, WAYLAND_DISPLAY=%2).
</source>
        <translation>vantrelo: could not connect to any window system (DISPLAY=%1, WAYLAND_DISPLAY=%2).
</translation>
    </message>
    <message>
        <source>vantrelo: un compositor Wayland responde en WAYLAND_DISPLAY=%1, pero falta el complemento de Qt para Wayland: instale el paquete qt6-wayland.
</source>
        <translation>vantrelo: a Wayland compositor answers at WAYLAND_DISPLAY=%1, but Qt&apos;s Wayland plugin is missing: install the package qt6-wayland.
</translation>
    </message>
</context>
<context>
    <name>kit::AccessibleCheckItem</name>
    <message>
        <source>%1, no marcada</source>
        <translation>%1, not checked</translation>
    </message>
</context>
<context>
    <name>kit::NumberBox</name>
    <message>
        <source>No hay un número en el portapapeles</source>
        <translation>No number on the clipboard</translation>
    </message>
    <message>
        <source>Pegado: %1</source>
        <translation>Pasted: %1</translation>
    </message>
</context>
<context>
    <name>kit::SheetWindow</name>
    <message>
        <source>Hoja de resultados</source>
        <translation>Results sheet</translation>
    </message>
    <message>
        <source>Intro abre la herramienta de la anotación; Suprimir la quita; Control+C la copia; Control+S guarda la hoja en PDF; Control+P la imprime.</source>
        <translation>Enter opens the entry&apos;s tool; Delete removes it; Control+C copies it; Control+S saves the sheet as PDF; Control+P prints it.</translation>
    </message>
    <message>
        <source>Anotaciones</source>
        <translation>Entries</translation>
    </message>
    <message>
        <source>Copiar todo</source>
        <translation>Copy all</translation>
    </message>
    <message>
        <source> Copia todas las anotaciones (Control+Mayúsculas+C) </source>
        <translation> Copies every entry (Control+Shift+C) </translation>
    </message>
    <message>
        <source>Imprimir…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source> Imprime la hoja (Control+P) </source>
        <translation> Prints the sheet (Control+P) </translation>
    </message>
    <message>
        <source>Guardar PDF…</source>
        <translation>Save PDF…</translation>
    </message>
    <message>
        <source> Guarda la hoja como PDF (Control+S) </source>
        <translation> Saves the sheet as PDF (Control+S) </translation>
    </message>
    <message>
        <source>Anotación copiada</source>
        <translation>Entry copied</translation>
    </message>
    <message>
        <source>Hoja copiada</source>
        <translation>Sheet copied</translation>
    </message>
    <message>
        <source>Quitada: %1</source>
        <translation>Removed: %1</translation>
    </message>
    <message>
        <source>no se pudo componer el documento</source>
        <translation>the document could not be laid out</translation>
    </message>
    <message>
        <source>La hoja está vacía</source>
        <translation>The sheet is empty</translation>
    </message>
    <message>
        <source>Guardar la hoja como PDF</source>
        <translation>Save the sheet as PDF</translation>
    </message>
    <message>
        <source>hoja-de-resultados.pdf</source>
        <translation>results-sheet.pdf</translation>
    </message>
    <message>
        <source>Documentos PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>No se pudo guardar la hoja en %1: %2</source>
        <translation>The sheet could not be saved in %1: %2</translation>
    </message>
    <message>
        <source>Hoja guardada</source>
        <translation>Sheet saved</translation>
    </message>
    <message>
        <source>Hoja enviada a imprimir</source>
        <translation>Sheet sent to the printer</translation>
    </message>
    <message>
        <source>es_ES</source>
        <comment>the locale the sheet&apos;s date is written in</comment>
        <translation>en_GB</translation>
    </message>
</context>
<context>
    <name>kit::ToolWindow</name>
    <message>
        <source>Anotar</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Anotar en la hoja de resultados</source>
        <translation>Note down in the results sheet</translation>
    </message>
    <message>
        <source> Anota el resultado en la hoja de resultados (Control+Intro) </source>
        <translation> Notes the result down in the results sheet (Control+Enter) </translation>
    </message>
    <message>
        <source>Nada que anotar: %1</source>
        <translation>Nothing to note down: %1</translation>
    </message>
    <message>
        <source>Anotado: %1</source>
        <translation>Noted: %1</translation>
    </message>
</context>
<context>
    <name>kit::Working</name>
    <message>
        <source>pi</source>
        <translation>pi</translation>
    </message>
    <message>
        <source>más</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>menos</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>por</source>
        <translation>times</translation>
    </message>
    <message>
        <source>entre</source>
        <translation>divided by</translation>
    </message>
    <message>
        <source>al cuadrado</source>
        <translation>squared</translation>
    </message>
    <message>
        <source>al cubo</source>
        <translation>cubed</translation>
    </message>
    <message>
        <source>raíz cuadrada de</source>
        <translation>square root of</translation>
    </message>
    <message>
        <source>abre paréntesis</source>
        <translation>open bracket</translation>
    </message>
    <message>
        <source>cierra paréntesis</source>
        <translation>close bracket</translation>
    </message>
    <message>
        <source>igual a</source>
        <translation>equals</translation>
    </message>
    <message>
        <source>redondeado a</source>
        <translation>rounded to</translation>
    </message>
    <message>
        <source>(redondeado)</source>
        <translation>(rounded)</translation>
    </message>
    <message>
        <source>aproximadamente</source>
        <translation>approximately</translation>
    </message>
    <message>
        <source>(redondeado a %1 decimales)</source>
        <translation>(rounded to %1 decimal places)</translation>
    </message>
    <message>
        <source>número de lados</source>
        <translation>number of sides</translation>
    </message>
    <message>
        <source>fin de raíz</source>
        <translation>end of root</translation>
    </message>
</context>
<context>
    <name>kit::WorkingPanel</name>
    <message>
        <source>Desarrollo</source>
        <translation>Working</translation>
    </message>
    <message>
        <source>Desarrollo del resultado</source>
        <translation>Working of the result</translation>
    </message>
    <message>
        <source> Se copia con Control+Mayúsculas+C </source>
        <translation> Copy with Control+Shift+C </translation>
    </message>
    <message>
        <source>Copiar el desarrollo</source>
        <translation>Copy the working</translation>
    </message>
    <message>
        <source> Copiar el desarrollo (Control+Mayúsculas+C) </source>
        <translation> Copy the working (Control+Shift+C) </translation>
    </message>
    <message>
        <source>F3 muestra u oculta el desarrollo del resultado.</source>
        <translation>F3 shows or hides the working of the result.</translation>
    </message>
    <message>
        <source> Muestra u oculta el desarrollo del resultado (F3) </source>
        <translation> Shows or hides the working of the result (F3) </translation>
    </message>
    <message>
        <source>Desarrollo (F3)</source>
        <translation>Working (F3)</translation>
    </message>
    <message>
        <source>Desarrollo oculto</source>
        <translation>Working hidden</translation>
    </message>
    <message>
        <source>Desarrollo copiado</source>
        <translation>Working copied</translation>
    </message>
</context>
<context>
    <name>kit::spoken</name>
    <message>
        <source>,</source>
        <comment>the decimal mark of a number read aloud; one character</comment>
        <translation>.</translation>
    </message>
</context>
<context>
    <name>ui::CalculatorWindow</name>
    <message>
        <source>Perímetro</source>
        <translation>Perimeter</translation>
    </message>
    <message>
        <source>Área</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Volumen</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Unidad de entrada</source>
        <translation>Input unit</translation>
    </message>
    <message>
        <source>Unidad de longitud de todas las medidas</source>
        <translation>Length unit of every measure</translation>
    </message>
    <message>
        <source>Unidad de la medida %1</source>
        <translation>Unit of measure %1</translation>
    </message>
    <message>
        <source>Medida %1</source>
        <translation>Measure %1</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Unidad del resultado</source>
        <translation>Result unit</translation>
    </message>
    <message>
        <source>Unidad en que se muestra el resultado</source>
        <translation>Unit the result is shown in</translation>
    </message>
    <message>
        <source>FÓRMULA:</source>
        <translation>FORMULA:</translation>
    </message>
    <message>
        <source>Fórmula</source>
        <translation>Formula</translation>
    </message>
    <message>
        <source>Dibujo de la figura</source>
        <translation>Drawing of the figure</translation>
    </message>
    <message>
        <source>Unidad del área de la base</source>
        <translation>Base area unit</translation>
    </message>
    <message>
        <source>Unidad de superficie del área de la base</source>
        <translation>Area unit of the base area</translation>
    </message>
    <message>
        <source>Figura</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>Medidas</source>
        <translation>Measures</translation>
    </message>
    <message>
        <source>F2 lee el resultado</source>
        <translation>F2 reads the result</translation>
    </message>
    <message>
        <source>Resultado: %1</source>
        <translation>Result: %1</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Faltan medidas</source>
        <translation>Measures missing</translation>
    </message>
</context>
<context>
    <name>ui::ConverterWindow</name>
    <message>
        <source>Unidad de origen</source>
        <translation>Source unit</translation>
    </message>
    <message>
        <source>Unidades</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>Valores</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Longitud</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Área</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Volumen</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Convertidor de unidades</source>
        <translation>Unit converter</translation>
    </message>
    <message>
        <source>Valor a convertir</source>
        <translation>Value to convert</translation>
    </message>
    <message>
        <source>Pegar</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source> Pegar </source>
        <translation> Paste </translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source> Copiar </source>
        <translation> Copy </translation>
    </message>
    <message>
        <source>Categoría</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Copiado: %1</source>
        <translation>Copied: %1</translation>
    </message>
    <message>
        <source>Elija un valor de la lista para ver cómo se obtiene.</source>
        <translation>Choose a value in the list to see how it is worked out.</translation>
    </message>
    <message>
        <source>Escriba un valor</source>
        <translation>Type a value</translation>
    </message>
    <message>
        <source>Resultado: %1</source>
        <translation>Result: %1</translation>
    </message>
</context>
<context>
    <name>ui::PitagorasWindow</name>
    <message>
        <source> Hipotenusa </source>
        <translation> Hypotenuse </translation>
    </message>
    <message>
        <source>Hipotenusa</source>
        <translation>Hypotenuse</translation>
    </message>
    <message>
        <source> Cateto A </source>
        <translation> Leg A </translation>
    </message>
    <message>
        <source>Cateto a</source>
        <translation>Leg a</translation>
    </message>
    <message>
        <source> Cateto B </source>
        <translation> Leg B </translation>
    </message>
    <message>
        <source>Cateto b</source>
        <translation>Leg b</translation>
    </message>
    <message>
        <source> A </source>
        <translation> A </translation>
    </message>
    <message>
        <source>Término A, numerador izquierdo</source>
        <translation>Term A, left numerator</translation>
    </message>
    <message>
        <source> X </source>
        <translation> X </translation>
    </message>
    <message>
        <source>Término X, denominador izquierdo</source>
        <translation>Term X, left denominator</translation>
    </message>
    <message>
        <source> B </source>
        <translation> B </translation>
    </message>
    <message>
        <source>Término B, numerador derecho</source>
        <translation>Term B, right numerator</translation>
    </message>
    <message>
        <source> Y </source>
        <translation> Y </translation>
    </message>
    <message>
        <source>Término Y, denominador derecho</source>
        <translation>Term Y, right denominator</translation>
    </message>
    <message>
        <source>h=</source>
        <translation>h=</translation>
    </message>
    <message>
        <source>h igual</source>
        <translation>h equals</translation>
    </message>
    <message>
        <source>x=</source>
        <translation>x=</translation>
    </message>
    <message>
        <source>x igual</source>
        <translation>x equals</translation>
    </message>
    <message>
        <source>y=</source>
        <translation>y=</translation>
    </message>
    <message>
        <source>y igual</source>
        <translation>y equals</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>igual</source>
        <translation>equals</translation>
    </message>
    <message>
        <source>Con la tecla de menú contextual o Mayúsculas+F10 se abren las opciones «Sólo 4 decimales» y «Respuesta automática».</source>
        <translation>The context menu key or Shift+F10 opens the options &quot;Round to 4 decimal places&quot; and &quot;Solve automatically&quot;.</translation>
    </message>
    <message>
        <source>Teorema de Pitágoras y regla de tres</source>
        <translation>Pythagorean theorem and rule of three</translation>
    </message>
    <message>
        <source>Equivalencia</source>
        <translation>Proportion</translation>
    </message>
    <message>
        <source>Resolver</source>
        <translation>Solve</translation>
    </message>
    <message>
        <source>Sólo 4 decimales</source>
        <translation>Round to 4 decimal places</translation>
    </message>
    <message>
        <source>Respuesta automática</source>
        <translation>Solve automatically</translation>
    </message>
    <message>
        <source>Triángulo</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>La hipotenusa debe ser mayor que los catetos.</source>
        <translation>The hypotenuse must be longer than the legs.</translation>
    </message>
    <message>
        <source>F2 lee la última respuesta. </source>
        <translation>F2 reads the last answer. </translation>
    </message>
    <message>
        <source>Triángulo y proporción</source>
        <translation>Triangle and proportion</translation>
    </message>
    <message>
        <source>Cambia entre triángulo y equivalencia</source>
        <translation>Switches between triangle and proportion</translation>
    </message>
    <message>
        <source>Sin respuesta todavía</source>
        <translation>No answer yet</translation>
    </message>
    <message>
        <source>Modo equivalencia</source>
        <translation>Proportion mode</translation>
    </message>
    <message>
        <source>Modo triángulo</source>
        <translation>Triangle mode</translation>
    </message>
    <message>
        <source>Control+M cambia entre triángulo y equivalencia.</source>
        <translation>Control+M switches between triangle and proportion.</translation>
    </message>
    <message>
        <source>%1: marcada</source>
        <translation>%1: checked</translation>
    </message>
    <message>
        <source>%1: no marcada</source>
        <translation>%1: not checked</translation>
    </message>
    <message>
        <source>Sin respuesta: los valores conocidos deben ser positivos.</source>
        <translation>No answer: the known values must be positive.</translation>
    </message>
    <message>
        <source>Anotar en la hoja (Ctrl+Intro)</source>
        <translation>Note down in the sheet (Ctrl+Enter)</translation>
    </message>
</context>
<context>
    <name>ui::SobrePitWindow</name>
    <message>
        <source>Pitágoras de Samos (c. 570 – c. 495 a. C.), filósofo y matemático griego, considerado el primer matemático puro. Su aporte a la matemática griega fue la</source>
        <translation>Pythagoras of Samos (c. 570 – c. 495 BC), Greek philosopher and mathematician, is known as the first pure mathematician. He gave Greek mathematics the</translation>
    </message>
    <message>
        <source>geometría y la aritmética derivadas de las relaciones numéricas, junto con sus aplicaciones a la música, a la astronomía y al estudio de pesos y medidas. Para él, el número era el principio de todas las cosas. En Crotona, al sur de Italia, fundó una hermandad a la vez religiosa, filosófica y científica, cuyos miembros compartían sus bienes, seguían reglas de vida estrictas y guardaban en secreto las enseñanzas del maestro.</source>
        <translation>geometry and arithmetic derived from numerical relations, together with their applications to music, astronomy and the study of weights and measures. For him, number was the principle of all things. In Croton, in southern Italy, he founded a brotherhood at once religious, philosophical and scientific, whose members shared their goods, followed strict rules of life and kept the master&apos;s teachings secret.</translation>
    </message>
    <message>
        <source>No se conserva ningún escrito de Pitágoras, y es probable que nunca fijara su doctrina por escrito. Lo que sabemos de él nos llega por autores posteriores, y sus seguidores, los pitagóricos, solían atribuirle sus propios hallazgos, de modo que es difícil separar su obra de la de su escuela. Se le atribuyen el teorema de los triángulos rectángulos que lleva su nombre, la división de los números en pares e impares, el estudio de los números figurados y perfectos, la relación entre la longitud de una cuerda y los intervalos musicales, y la idea de que la Tierra es una esfera.</source>
        <translation>Nothing written by Pythagoras has come down to us, and he probably never put his teaching in writing. What we know of him comes from later authors, and his followers, the Pythagoreans, often credited him with their own findings, so that his work is hard to tell apart from that of his school. He is credited with the theorem on right triangles that bears his name, the division of numbers into even and odd, the study of figurate and perfect numbers, the relation between the length of a string and musical intervals, and the idea that the Earth is a sphere.</translation>
    </message>
    <message>
        <source>Sobre Pitágoras</source>
        <translation>About Pythagoras</translation>
    </message>
    <message>
        <source>Retrato de Pitágoras</source>
        <translation>Portrait of Pythagoras</translation>
    </message>
    <message>
        <source>Leer más sobre Pitágoras en la enciclopedia</source>
        <translation>Read more about Pythagoras in the encyclopedia</translation>
    </message>
    <message>
        <source>Leer más...</source>
        <translation>Read more...</translation>
    </message>
    <message>
        <source>https://es.wikipedia.org/wiki/Pitágoras</source>
        <translation>https://en.wikipedia.org/wiki/Pythagoras</translation>
    </message>
    <message>
        <source>Se requiere una conexión a Internet, intente más tarde.</source>
        <translation>An Internet connection is needed; try again later.</translation>
    </message>
    <message>
        <source>No se pudo abrir la página en el navegador web.</source>
        <translation>The page could not be opened in the web browser.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca_ES">
<context>
    <name>Figuras</name>
    <message>
        <source>CUADRADO</source>
        <translation>QUADRAT</translation>
    </message>
    <message>
        <source> CUADRADO </source>
        <translation> QUADRAT </translation>
    </message>
    <message>
        <source>P = L * 4</source>
        <translation>P = C * 4</translation>
    </message>
    <message>
        <source>Lado (l):</source>
        <translation>Costat (c):</translation>
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
        <translation>Altura (h):</translation>
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
        <translation>C1 + C2 + C3</translation>
    </message>
    <message>
        <source>Lado 1 (l1):</source>
        <translation>Costat 1 (c1):</translation>
    </message>
    <message>
        <source>Lado 2 (l2):</source>
        <translation>Costat 2 (c2):</translation>
    </message>
    <message>
        <source>Lado 3 (l3):</source>
        <translation>Costat 3 (c3):</translation>
    </message>
    <message>
        <source>POLÍGONO REG.</source>
        <translation>POLÍGON REG.</translation>
    </message>
    <message>
        <source> POLÍGONO REGULAR </source>
        <translation> POLÍGON REGULAR </translation>
    </message>
    <message>
        <source>P = L * #</source>
        <translation>P = C * #</translation>
    </message>
    <message>
        <source>No. lados (#):</source>
        <translation>Nre. costats (#):</translation>
    </message>
    <message>
        <source>ROMBO</source>
        <translation>ROMBE</translation>
    </message>
    <message>
        <source> ROMBO </source>
        <translation> ROMBE </translation>
    </message>
    <message>
        <source>ROMBOIDE</source>
        <translation>ROMBOIDE</translation>
    </message>
    <message>
        <source> ROMBOIDE </source>
        <translation> ROMBOIDE </translation>
    </message>
    <message>
        <source>P = bs + ws</source>
        <translation>P = bs + cs</translation>
    </message>
    <message>
        <source>Bases x2 (bs):</source>
        <translation>Bases x2 (bs):</translation>
    </message>
    <message>
        <source>Paredes x2 (ws):</source>
        <translation>Costats x2 (cs):</translation>
    </message>
    <message>
        <source>TRAPECIO</source>
        <translation>TRAPEZI</translation>
    </message>
    <message>
        <source> TRAPECIO </source>
        <translation> TRAPEZI </translation>
    </message>
    <message>
        <source>B + b + ws</source>
        <translation>B + b + cs</translation>
    </message>
    <message>
        <source>Base Mayor (B):</source>
        <translation>Base major (B):</translation>
    </message>
    <message>
        <source>Base Menor (b):</source>
        <translation>Base menor (b):</translation>
    </message>
    <message>
        <source>CIRCUNFERENC.</source>
        <translation>CIRCUMFERÈNC.</translation>
    </message>
    <message>
        <source> CIRCUNFERENCIA </source>
        <translation> CIRCUMFERÈNCIA </translation>
    </message>
    <message>
        <source>Pi * D</source>
        <translation>Pi * D</translation>
    </message>
    <message>
        <source>Diametro (D):</source>
        <translation>Diàmetre (D):</translation>
    </message>
    <message>
        <source>A = L²</source>
        <translation>A = C²</translation>
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
        <translation>Diagonal major (D):</translation>
    </message>
    <message>
        <source>Diagonal Menor (d):</source>
        <translation>Diagonal menor (d):</translation>
    </message>
    <message>
        <source>A = (B + b) * h / 2</source>
        <translation>A = (B + b) * h / 2</translation>
    </message>
    <message>
        <source>A = L * # * a / 2</source>
        <translation>A = C * # * a / 2</translation>
    </message>
    <message>
        <source>Apotema (a):</source>
        <translation>Apotema (a):</translation>
    </message>
    <message>
        <source>CÍRCULO</source>
        <translation>CERCLE</translation>
    </message>
    <message>
        <source> CÍRCULO </source>
        <translation> CERCLE </translation>
    </message>
    <message>
        <source>A = Pi * r²</source>
        <translation>A = Pi * r²</translation>
    </message>
    <message>
        <source>Radio (r):</source>
        <translation>Radi (r):</translation>
    </message>
    <message>
        <source>ESFERA</source>
        <translation>ESFERA</translation>
    </message>
    <message>
        <source> ESFERA </source>
        <translation> ESFERA </translation>
    </message>
    <message>
        <source>A = Pi * 4 * r²</source>
        <translation>A = Pi * 4 * r²</translation>
    </message>
    <message>
        <source>CUBO</source>
        <translation>CUB</translation>
    </message>
    <message>
        <source> CUBO </source>
        <translation> CUB </translation>
    </message>
    <message>
        <source>V = a³</source>
        <translation>V = a³</translation>
    </message>
    <message>
        <source>Arista (a):</source>
        <translation>Aresta (a):</translation>
    </message>
    <message>
        <source>PARALELEPÍPED.</source>
        <translation>ORTOEDRE</translation>
    </message>
    <message>
        <source> PARALELEPÍPEDO </source>
        <translation> ORTOEDRE </translation>
    </message>
    <message>
        <source>V = a1 * a2 * a3</source>
        <translation>V = a1 * a2 * a3</translation>
    </message>
    <message>
        <source>Arista 1 (a1):</source>
        <translation>Aresta 1 (a1):</translation>
    </message>
    <message>
        <source>Arista 2 (a2):</source>
        <translation>Aresta 2 (a2):</translation>
    </message>
    <message>
        <source>Arista 3 (a3):</source>
        <translation>Aresta 3 (a3):</translation>
    </message>
    <message>
        <source>PRISMA</source>
        <translation>PRISMA</translation>
    </message>
    <message>
        <source> PRISMA </source>
        <translation> PRISMA </translation>
    </message>
    <message>
        <source>V = Ab * h</source>
        <translation>V = Ab * h</translation>
    </message>
    <message>
        <source>Área Base (Ab):</source>
        <translation>Àrea base (Ab):</translation>
    </message>
    <message>
        <source>CILINDRO</source>
        <translation>CILINDRE</translation>
    </message>
    <message>
        <source> CILINDRO </source>
        <translation> CILINDRE </translation>
    </message>
    <message>
        <source>V = Pi * r² * h</source>
        <translation>V = Pi * r² * h</translation>
    </message>
    <message>
        <source>CONO</source>
        <translation>CON</translation>
    </message>
    <message>
        <source> CONO </source>
        <translation> CON </translation>
    </message>
    <message>
        <source>V = Pi * r² * h / 3</source>
        <translation>V = Pi * r² * h / 3</translation>
    </message>
    <message>
        <source>PIRÁMIDE</source>
        <translation>PIRÀMIDE</translation>
    </message>
    <message>
        <source> PIRÁMIDE </source>
        <translation> PIRÀMIDE </translation>
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
        <translation>OCTAEDRE REG.</translation>
    </message>
    <message>
        <source> OCTAEDRO REGULAR </source>
        <translation> OCTAEDRE REGULAR </translation>
    </message>
    <message>
        <source>V = Raiz(2) / 3 * a³</source>
        <translation>V = Arrel(2) / 3 * a³</translation>
    </message>
    <message>
        <source>Paredes x2 (ws):</source>
        <comment>B + b + ws</comment>
        <translation>Dos costats (cs):</translation>
    </message>
    <message>
        <source> ESFERA </source>
        <comment>A = Pi * 4 * r²</comment>
        <translation> ESFERA </translation>
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
        <translation>Mil·límetre</translation>
    </message>
    <message>
        <source>Centímetro</source>
        <translation>Centímetre</translation>
    </message>
    <message>
        <source>Pulgada</source>
        <translation>Polzada</translation>
    </message>
    <message>
        <source>Decímetro</source>
        <translation>Decímetre</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Peu</translation>
    </message>
    <message>
        <source>Yarda</source>
        <translation>Iarda</translation>
    </message>
    <message>
        <source>Metro</source>
        <translation>Metre</translation>
    </message>
    <message>
        <source>Kilómetro</source>
        <translation>Quilòmetre</translation>
    </message>
    <message>
        <source>Milla</source>
        <translation>Milla</translation>
    </message>
    <message>
        <source>Centímetro²</source>
        <translation>Centímetre²</translation>
    </message>
    <message>
        <source>Pulgada²</source>
        <translation>Polzada²</translation>
    </message>
    <message>
        <source>Decímetro²</source>
        <translation>Decímetre²</translation>
    </message>
    <message>
        <source>Pie²</source>
        <translation>Peu²</translation>
    </message>
    <message>
        <source>Yarda²</source>
        <translation>Iarda²</translation>
    </message>
    <message>
        <source>Metro²</source>
        <translation>Metre²</translation>
    </message>
    <message>
        <source>Área</source>
        <translation>Àrea</translation>
    </message>
    <message>
        <source>Hectárea</source>
        <translation>Hectàrea</translation>
    </message>
    <message>
        <source>Kilómetro²</source>
        <translation>Quilòmetre²</translation>
    </message>
    <message>
        <source>Milla²</source>
        <translation>Milla²</translation>
    </message>
    <message>
        <source>Centímetro³</source>
        <translation>Centímetre³</translation>
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
        <translation>Decímetre³</translation>
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
        <translation>Barril petroli EUA</translation>
    </message>
    <message>
        <source>Metro³</source>
        <translation>Metre³</translation>
    </message>
    <message>
        <source>Kilometro³</source>
        <translation>Quilòmetre³</translation>
    </message>
    <message numerus="yes">
        <source>milímetros</source>
        <translation>
            <numerusform>mil·límetre</numerusform>
            <numerusform>mil·límetres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centímetros</source>
        <translation>
            <numerusform>centímetre</numerusform>
            <numerusform>centímetres</numerusform>
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
            <numerusform>quilòmetre</numerusform>
            <numerusform>quilòmetres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milímetros cuadrados</source>
        <translation>
            <numerusform>mil·límetre quadrat</numerusform>
            <numerusform>mil·límetres quadrats</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centímetros cuadrados</source>
        <translation>
            <numerusform>centímetre quadrat</numerusform>
            <numerusform>centímetres quadrats</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>metros cuadrados</source>
        <translation>
            <numerusform>metre quadrat</numerusform>
            <numerusform>metres quadrats</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilómetros cuadrados</source>
        <translation>
            <numerusform>quilòmetre quadrat</numerusform>
            <numerusform>quilòmetres quadrats</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milímetros cúbicos</source>
        <translation>
            <numerusform>mil·límetre cúbic</numerusform>
            <numerusform>mil·límetres cúbics</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centímetros cúbicos</source>
        <translation>
            <numerusform>centímetre cúbic</numerusform>
            <numerusform>centímetres cúbics</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>metros cúbicos</source>
        <translation>
            <numerusform>metre cúbic</numerusform>
            <numerusform>metres cúbics</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilómetros cúbicos</source>
        <translation>
            <numerusform>quilòmetre cúbic</numerusform>
            <numerusform>quilòmetres cúbics</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pulgadas</source>
        <translation>
            <numerusform>polzada</numerusform>
            <numerusform>polzades</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decímetros</source>
        <translation>
            <numerusform>decímetre</numerusform>
            <numerusform>decímetres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pies</source>
        <translation>
            <numerusform>peu</numerusform>
            <numerusform>peus</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yardas</source>
        <translation>
            <numerusform>iarda</numerusform>
            <numerusform>iardes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millas</source>
        <translation>
            <numerusform>milla</numerusform>
            <numerusform>milles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pulgadas cuadradas</source>
        <translation>
            <numerusform>polzada quadrada</numerusform>
            <numerusform>polzades quadrades</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decímetros cuadrados</source>
        <translation>
            <numerusform>decímetre quadrat</numerusform>
            <numerusform>decímetres quadrats</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pies cuadrados</source>
        <translation>
            <numerusform>peu quadrat</numerusform>
            <numerusform>peus quadrats</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yardas cuadradas</source>
        <translation>
            <numerusform>iarda quadrada</numerusform>
            <numerusform>iardes quadrades</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>áreas</source>
        <translation>
            <numerusform>àrea</numerusform>
            <numerusform>àrees</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hectáreas</source>
        <translation>
            <numerusform>hectàrea</numerusform>
            <numerusform>hectàrees</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millas cuadradas</source>
        <translation>
            <numerusform>milla quadrada</numerusform>
            <numerusform>milles quadrades</numerusform>
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
            <numerusform>decímetre cúbic</numerusform>
            <numerusform>decímetres cúbics</numerusform>
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
            <numerusform>barril de petroli dels EUA</numerusform>
            <numerusform>barrils de petroli dels EUA</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Valores</name>
    <message>
        <source>Fuera de rango</source>
        <translation>Fora de rang</translation>
    </message>
</context>
<context>
    <name>app::CommandLine</name>
    <message>
        <source>Muestra esta ayuda y termina.</source>
        <translation>Mostra aquesta ajuda i surt.</translation>
    </message>
    <message>
        <source>Muestra la versión del programa y termina.</source>
        <translation>Mostra la versió del programa i surt.</translation>
    </message>
    <message>
        <source>CÓDIGO</source>
        <translation>CODI</translation>
    </message>
    <message>
        <source>Uso: vantrelo [opciones]
Herramientas de geometría y medida: perímetro, área y volumen de figuras,
triángulo rectángulo y regla de tres, conversión de unidades.

Opciones:
</source>
        <translation>Ús: vantrelo [opcions]
Eines de geometria i mesura: perímetre, àrea i volum de figures,
triangle rectangle i regla de tres, conversió d&apos;unitats.

Opcions:
</translation>
    </message>
    <message>
        <source>
Acepta además las opciones de Qt para programas gráficos, como -style.
</source>
        <translation>
Accepta també les opcions de Qt per a programes gràfics, com ara -style.
</translation>
    </message>
    <message>
        <source>vantrelo: %1; use «vantrelo --help» para ver las opciones.
</source>
        <translation>vantrelo: %1; feu «vantrelo --help» per veure les opcions.
</translation>
    </message>
    <message>
        <source>opción desconocida «%1»</source>
        <translation>opció desconeguda «%1»</translation>
    </message>
    <message>
        <source>argumento inesperado «%1»</source>
        <translation>argument inesperat «%1»</translation>
    </message>
    <message>
        <source>idioma desconocido «%1»</source>
        <translation>idioma desconegut «%1»</translation>
    </message>
    <message>
        <source>Idioma de las ventanas: %1.</source>
        <translation>Idioma de les finestres: %1.</translation>
    </message>
    <message>
        <source>español</source>
        <extracomment>The name of the language of this translation, written in that language (English, português, català).</extracomment>
        <translation>català</translation>
    </message>
    <message>
        <source>la opción «%1» no lleva valor</source>
        <translation>l&apos;opció «%1» no porta valor</translation>
    </message>
    <message>
        <source>a la opción «%1» le falta su valor</source>
        <translation>a l&apos;opció «%1» li falta el valor</translation>
    </message>
    <message>
        <source>vantrelo: no se pudo escribir la respuesta (%1).
</source>
        <translation>vantrelo: no s&apos;ha pogut escriure la resposta (%1).
</translation>
    </message>
</context>
<context>
    <name>app::MenuWindow</name>
    <message>
        <source>Cálculos con figuras</source>
        <translation>Càlculs amb figures</translation>
    </message>
    <message>
        <source>CÁLCULOS CON FIGURAS</source>
        <translation>CÀLCULS AMB FIGURES</translation>
    </message>
    <message>
        <source>Abre un menú: perímetro, área, volumen</source>
        <translation>Obre un menú: perímetre, àrea, volum</translation>
    </message>
    <message>
        <source>Pitágoras de Samos</source>
        <translation>Pitàgores de Samos</translation>
    </message>
    <message>
        <source>PITÁGORAS DE SAMOS</source>
        <translation>PITÀGORES DE SAMOS</translation>
    </message>
    <message>
        <source>Abre un menú: teorema de Pitágoras y regla de tres, sobre Pitágoras</source>
        <translation>Obre un menú: teorema de Pitàgores i regla de tres, sobre Pitàgores</translation>
    </message>
    <message>
        <source>Convertidor de unidades</source>
        <translation>Convertidor d&apos;unitats</translation>
    </message>
    <message>
        <source>CONVERTIDOR DE UNIDADES</source>
        <translation>CONVERTIDOR D&apos;UNITATS</translation>
    </message>
    <message>
        <source>Abre el convertidor de unidades</source>
        <translation>Obre el convertidor d&apos;unitats</translation>
    </message>
    <message>
        <source>Acerca de Vantrelo</source>
        <translation>Quant a Vantrelo</translation>
    </message>
    <message>
        <source>ACERCA DE VANTRELO</source>
        <translation>QUANT A VANTRELO</translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>Ajustar Pi</source>
        <translation>Ajusta Pi</translation>
    </message>
    <message>
        <source>AJUSTAR PI</source>
        <translation>AJUSTA PI</translation>
    </message>
    <message>
        <source>Perímetro</source>
        <translation>Perímetre</translation>
    </message>
    <message>
        <source>Área</source>
        <translation>Àrea</translation>
    </message>
    <message>
        <source>Volumen</source>
        <translation>Volum</translation>
    </message>
    <message>
        <source>Milvane<byte value="xd"/>
Vantrelo: Versión %1</source>
        <translation>Milvane<byte value="xd"/>
Vantrelo: Versió %1</translation>
    </message>
    <message>
        <source>Vantrelo - Menú</source>
        <translation>Vantrelo - Menú</translation>
    </message>
    <message>
        <source>BIENVENIDO</source>
        <translation>BENVINGUTS</translation>
    </message>
    <message>
        <source>Valor de Pi</source>
        <translation>Valor de Pi</translation>
    </message>
    <message>
        <source>Teorema de Pitágoras y regla de tres</source>
        <translation>Teorema de Pitàgores i regla de tres</translation>
    </message>
    <message>
        <source>Sobre Pitágoras</source>
        <translation>Sobre Pitàgores</translation>
    </message>
    <message>
        <source>Cuadro de Pi cerrado</source>
        <translation>Quadre de Pi tancat</translation>
    </message>
    <message>
        <source>Cuadro de Pi abierto: %1; Tab para editarlo</source>
        <translation>Quadre de Pi obert: %1; Tab per editar-lo</translation>
    </message>
    <message>
        <source>Pi: %1</source>
        <translation>Pi: %1</translation>
    </message>
    <message>
        <source>Valor no permitido.</source>
        <translation>Valor no permès.</translation>
    </message>
    <message>
        <source>Está apunto de cerrar todo, ¿está seguro?</source>
        <translation>Esteu a punt de tancar-ho tot. N&apos;esteu segur?</translation>
    </message>
    <message>
        <source>Entre 3.14 y 3.15; Intro para aplicar, Escape o doble clic para restablecer</source>
        <translation>Entre 3.14 i 3.15; Retorn per aplicar, Esc o doble clic per restablir</translation>
    </message>
    <message>
        <source>Valor predeterminado: %1</source>
        <translation>Valor per defecte: %1</translation>
    </message>
    <message>
        <source>Hoja de resultados</source>
        <translation>Full de resultats</translation>
    </message>
    <message>
        <source>HOJA DE RESULTADOS</source>
        <translation>FULL DE RESULTATS</translation>
    </message>
    <message>
        <source>La hoja de resultados tiene anotaciones sin guardar ni copiar, que se perderán. ¿Cerrar de todos modos?</source>
        <translation>El full de resultats té anotacions sense desar ni copiar, que es perdran. Voleu tancar igualment?</translation>
    </message>
</context>
<context>
    <name>app::QtDesktop</name>
    <message>
        <source>Sí</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Acerca de %1</source>
        <translation>Quant a %1</translation>
    </message>
</context>
<context>
    <name>app::SplashWindow</name>
    <message>
        <source>Cerrar</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <source> Cerrar </source>
        <translation> Tanca </translation>
    </message>
</context>
<context>
    <name>app::WindowSystem</name>
    <message>
        <source>vantrelo: no se pudo conectar con ningún sistema de ventanas (DISPLAY=%1, WAYLAND_DISPLAY=%2).
</source>
        <translation>vantrelo: no s&apos;ha pogut connectar amb cap sistema de finestres (DISPLAY=%1, WAYLAND_DISPLAY=%2).
</translation>
    </message>
    <message>
        <source>vantrelo: un compositor Wayland responde en WAYLAND_DISPLAY=%1, pero falta el complemento de Qt para Wayland: instale el paquete qt6-wayland.
</source>
        <translation>vantrelo: un compositor Wayland respon a WAYLAND_DISPLAY=%1, però hi falta el connector del Qt per al Wayland: instal·leu el paquet qt6-wayland.
</translation>
    </message>
</context>
<context>
    <name>kit::AccessibleCheckItem</name>
    <message>
        <source>%1, no marcada</source>
        <translation>%1, no verificat</translation>
    </message>
</context>
<context>
    <name>kit::NumberBox</name>
    <message>
        <source>No hay un número en el portapapeles</source>
        <translation>No hi ha cap número al porta-retalls</translation>
    </message>
    <message>
        <source>Pegado: %1</source>
        <translation>Enganxat: %1</translation>
    </message>
</context>
<context>
    <name>kit::SheetWindow</name>
    <message>
        <source>Hoja de resultados</source>
        <translation>Full de resultats</translation>
    </message>
    <message>
        <source>Intro abre la herramienta de la anotación; Suprimir la quita; Control+C la copia; Control+S guarda la hoja en PDF; Control+P la imprime.</source>
        <translation>Retorn obre l&apos;eina de l&apos;anotació; Supr la treu; Control+C la copia; Control+S desa el full en PDF; Control+P l&apos;imprimeix.</translation>
    </message>
    <message>
        <source>Anotaciones</source>
        <translation>Anotacions</translation>
    </message>
    <message>
        <source>Copiar todo</source>
        <translation>Copia-ho tot</translation>
    </message>
    <message>
        <source> Copia todas las anotaciones (Control+Mayúsculas+C) </source>
        <translation> Copia totes les anotacions (Control+Maj+C) </translation>
    </message>
    <message>
        <source>Imprimir…</source>
        <translation>Imprimeix…</translation>
    </message>
    <message>
        <source> Imprime la hoja (Control+P) </source>
        <translation> Imprimeix el full (Control+P) </translation>
    </message>
    <message>
        <source>Guardar PDF…</source>
        <translation>Desa en PDF…</translation>
    </message>
    <message>
        <source> Guarda la hoja como PDF (Control+S) </source>
        <translation> Desa el full com a PDF (Control+S) </translation>
    </message>
    <message>
        <source>Anotación copiada</source>
        <translation>Anotació copiada</translation>
    </message>
    <message>
        <source>Hoja copiada</source>
        <translation>Full copiat</translation>
    </message>
    <message>
        <source>Quitada: %1</source>
        <translation>Treta: %1</translation>
    </message>
    <message>
        <source>no se pudo componer el documento</source>
        <translation>no s&apos;ha pogut compondre el document</translation>
    </message>
    <message>
        <source>La hoja está vacía</source>
        <translation>El full és buit</translation>
    </message>
    <message>
        <source>Guardar la hoja como PDF</source>
        <translation>Desa el full com a PDF</translation>
    </message>
    <message>
        <source>hoja-de-resultados.pdf</source>
        <translation>full-de-resultats.pdf</translation>
    </message>
    <message>
        <source>Documentos PDF (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No se pudo guardar la hoja en %1: %2</source>
        <translation>No s&apos;ha pogut desar el full a %1: %2</translation>
    </message>
    <message>
        <source>Hoja guardada</source>
        <translation>Full desat</translation>
    </message>
    <message>
        <source>Hoja enviada a imprimir</source>
        <translation>Full enviat a imprimir</translation>
    </message>
    <message>
        <source>es_ES</source>
        <comment>the locale the sheet&apos;s date is written in</comment>
        <translation>ca_ES</translation>
    </message>
</context>
<context>
    <name>kit::ToolWindow</name>
    <message>
        <source>Anotar</source>
        <translation>Anota</translation>
    </message>
    <message>
        <source>Anotar en la hoja de resultados</source>
        <translation>Anota al full de resultats</translation>
    </message>
    <message>
        <source> Anota el resultado en la hoja de resultados (Control+Intro) </source>
        <translation> Anota el resultat al full de resultats (Control+Retorn) </translation>
    </message>
    <message>
        <source>Nada que anotar: %1</source>
        <translation>Res a anotar: %1</translation>
    </message>
    <message>
        <source>Anotado: %1</source>
        <translation>Anotat: %1</translation>
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
        <translation>més</translation>
    </message>
    <message>
        <source>menos</source>
        <translation>menys</translation>
    </message>
    <message>
        <source>por</source>
        <translation>per</translation>
    </message>
    <message>
        <source>entre</source>
        <translation>entre</translation>
    </message>
    <message>
        <source>al cuadrado</source>
        <translation>al quadrat</translation>
    </message>
    <message>
        <source>al cubo</source>
        <translation>al cub</translation>
    </message>
    <message>
        <source>raíz cuadrada de</source>
        <translation>arrel quadrada de</translation>
    </message>
    <message>
        <source>abre paréntesis</source>
        <translation>obre parèntesi</translation>
    </message>
    <message>
        <source>cierra paréntesis</source>
        <translation>tanca parèntesi</translation>
    </message>
    <message>
        <source>igual a</source>
        <translation>igual a</translation>
    </message>
    <message>
        <source>redondeado a</source>
        <translation>arrodonit a</translation>
    </message>
    <message>
        <source>(redondeado)</source>
        <translation>(arrodonit)</translation>
    </message>
    <message>
        <source>aproximadamente</source>
        <translation>aproximadament</translation>
    </message>
    <message>
        <source>(redondeado a %1 decimales)</source>
        <translation>(arrodonit a %1 decimals)</translation>
    </message>
    <message>
        <source>número de lados</source>
        <translation>nombre de costats</translation>
    </message>
    <message>
        <source>fin de raíz</source>
        <translation>fi de l'arrel</translation>
    </message>
</context>
<context>
    <name>kit::WorkingPanel</name>
    <message>
        <source>Desarrollo</source>
        <translation>Desenvolupament</translation>
    </message>
    <message>
        <source>Desarrollo del resultado</source>
        <translation>Desenvolupament del resultat</translation>
    </message>
    <message>
        <source> Se copia con Control+Mayúsculas+C </source>
        <translation> Es copia amb Control+Maj+C </translation>
    </message>
    <message>
        <source>Copiar el desarrollo</source>
        <translation>Copia el desenvolupament</translation>
    </message>
    <message>
        <source> Copiar el desarrollo (Control+Mayúsculas+C) </source>
        <translation> Copia el desenvolupament (Control+Maj+C) </translation>
    </message>
    <message>
        <source>F3 muestra u oculta el desarrollo del resultado.</source>
        <translation>F3 mostra o amaga el desenvolupament del resultat.</translation>
    </message>
    <message>
        <source> Muestra u oculta el desarrollo del resultado (F3) </source>
        <translation> Mostra o amaga el desenvolupament del resultat (F3) </translation>
    </message>
    <message>
        <source>Desarrollo (F3)</source>
        <translation>Desenvolupament (F3)</translation>
    </message>
    <message>
        <source>Desarrollo oculto</source>
        <translation>Desenvolupament amagat</translation>
    </message>
    <message>
        <source>Desarrollo copiado</source>
        <translation>Desenvolupament copiat</translation>
    </message>
</context>
<context>
    <name>kit::spoken</name>
    <message>
        <source>,</source>
        <comment>the decimal mark of a number read aloud; one character</comment>
        <translation>,</translation>
    </message>
</context>
<context>
    <name>ui::CalculatorWindow</name>
    <message>
        <source>Perímetro</source>
        <translation>Perímetre</translation>
    </message>
    <message>
        <source>Área</source>
        <translation>Àrea</translation>
    </message>
    <message>
        <source>Volumen</source>
        <translation>Volum</translation>
    </message>
    <message>
        <source>Figura</source>
        <translation>Figura</translation>
    </message>
    <message>
        <source>Unidad de entrada</source>
        <translation>Unitat d&apos;entrada</translation>
    </message>
    <message>
        <source>Unidad de longitud de todas las medidas</source>
        <translation>Unitat de longitud de totes les mesures</translation>
    </message>
    <message>
        <source>Unidad de la medida %1</source>
        <translation>Unitat de la mesura %1</translation>
    </message>
    <message>
        <source>Medidas</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Medida %1</source>
        <translation>Mesura %1</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>Unidad del resultado</source>
        <translation>Unitat del resultat</translation>
    </message>
    <message>
        <source>Unidad en que se muestra el resultado</source>
        <translation>Unitat en què es mostra el resultat</translation>
    </message>
    <message>
        <source>Fórmula</source>
        <translation>Fórmula</translation>
    </message>
    <message>
        <source>FÓRMULA:</source>
        <translation>FÓRMULA:</translation>
    </message>
    <message>
        <source>Dibujo de la figura</source>
        <translation>Dibuix de la figura</translation>
    </message>
    <message>
        <source>Unidad del área de la base</source>
        <translation>Unitat de l&apos;àrea de la base</translation>
    </message>
    <message>
        <source>Unidad de superficie del área de la base</source>
        <translation>Unitat de superfície de l&apos;àrea de la base</translation>
    </message>
    <message>
        <source>F2 lee el resultado</source>
        <translation>F2 llegeix el resultat</translation>
    </message>
    <message>
        <source>Resultado: %1</source>
        <translation>Resultat: %1</translation>
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
        <translation>Falten mesures</translation>
    </message>
</context>
<context>
    <name>ui::ConverterWindow</name>
    <message>
        <source>Unidad de origen</source>
        <translation>Unitat d&apos;origen</translation>
    </message>
    <message>
        <source>Unidades</source>
        <translation>Unitats</translation>
    </message>
    <message>
        <source>Valores</source>
        <translation>Valors</translation>
    </message>
    <message>
        <source>Longitud</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Área</source>
        <translation>Àrea</translation>
    </message>
    <message>
        <source>Volumen</source>
        <translation>Volum</translation>
    </message>
    <message>
        <source>Convertidor de unidades</source>
        <translation>Convertidor d&apos;unitats</translation>
    </message>
    <message>
        <source>Valor a convertir</source>
        <translation>Valor per convertir</translation>
    </message>
    <message>
        <source>Categoría</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Pegar</source>
        <translation>Enganxa</translation>
    </message>
    <message>
        <source> Pegar </source>
        <translation> Enganxa </translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source> Copiar </source>
        <translation> Copia </translation>
    </message>
    <message>
        <source>Copiado: %1</source>
        <translation>Copiat: %1</translation>
    </message>
    <message>
        <source>Elija un valor de la lista para ver cómo se obtiene.</source>
        <translation>Trieu un valor de la llista per veure com s&apos;obté.</translation>
    </message>
    <message>
        <source>Escriba un valor</source>
        <translation>Escriviu un valor</translation>
    </message>
    <message>
        <source>Resultado: %1</source>
        <translation>Resultat: %1</translation>
    </message>
</context>
<context>
    <name>ui::PitagorasWindow</name>
    <message>
        <source> Hipotenusa </source>
        <translation> Hipotenusa </translation>
    </message>
    <message>
        <source>Hipotenusa</source>
        <translation>Hipotenusa</translation>
    </message>
    <message>
        <source> Cateto A </source>
        <translation> Catet A </translation>
    </message>
    <message>
        <source>Cateto a</source>
        <translation>Catet a</translation>
    </message>
    <message>
        <source> Cateto B </source>
        <translation> Catet B </translation>
    </message>
    <message>
        <source>Cateto b</source>
        <translation>Catet b</translation>
    </message>
    <message>
        <source> A </source>
        <translation> A </translation>
    </message>
    <message>
        <source>Término A, numerador izquierdo</source>
        <translation>Terme A, numerador esquerre</translation>
    </message>
    <message>
        <source> X </source>
        <translation> X </translation>
    </message>
    <message>
        <source>Término X, denominador izquierdo</source>
        <translation>Terme X, denominador esquerre</translation>
    </message>
    <message>
        <source> B </source>
        <translation> B </translation>
    </message>
    <message>
        <source>Término B, numerador derecho</source>
        <translation>Terme B, numerador dret</translation>
    </message>
    <message>
        <source> Y </source>
        <translation> Y </translation>
    </message>
    <message>
        <source>Término Y, denominador derecho</source>
        <translation>Terme Y, denominador dret</translation>
    </message>
    <message>
        <source>h=</source>
        <translation>h=</translation>
    </message>
    <message>
        <source>h igual</source>
        <translation>h igual a</translation>
    </message>
    <message>
        <source>x=</source>
        <translation>x=</translation>
    </message>
    <message>
        <source>x igual</source>
        <translation>x igual a</translation>
    </message>
    <message>
        <source>y=</source>
        <translation>y=</translation>
    </message>
    <message>
        <source>y igual</source>
        <translation>y igual a</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>igual</source>
        <translation>igual a</translation>
    </message>
    <message>
        <source>Con la tecla de menú contextual o Mayúsculas+F10 se abren las opciones «Sólo 4 decimales» y «Respuesta automática».</source>
        <translation>La tecla de menú contextual o Maj+F10 obre les opcions «Només 4 decimals» i «Resposta automàtica».</translation>
    </message>
    <message>
        <source>Teorema de Pitágoras y regla de tres</source>
        <translation>Teorema de Pitàgores i regla de tres</translation>
    </message>
    <message>
        <source>F2 lee la última respuesta. </source>
        <translation>F2 llegeix l&apos;última resposta. </translation>
    </message>
    <message>
        <source>Triángulo y proporción</source>
        <translation>Triangle i proporció</translation>
    </message>
    <message>
        <source>Equivalencia</source>
        <translation>Proporció</translation>
    </message>
    <message>
        <source>Cambia entre triángulo y equivalencia</source>
        <translation>Canvia entre triangle i proporció</translation>
    </message>
    <message>
        <source>Resolver</source>
        <translation>Resol</translation>
    </message>
    <message>
        <source>Sólo 4 decimales</source>
        <translation>Només 4 decimals</translation>
    </message>
    <message>
        <source>Respuesta automática</source>
        <translation>Resposta automàtica</translation>
    </message>
    <message>
        <source>Sin respuesta todavía</source>
        <translation>Encara sense resposta</translation>
    </message>
    <message>
        <source>Triángulo</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>La hipotenusa debe ser mayor que los catetos.</source>
        <translation>La hipotenusa ha de ser més llarga que els catets.</translation>
    </message>
    <message>
        <source>Modo equivalencia</source>
        <translation>Mode proporció</translation>
    </message>
    <message>
        <source>Modo triángulo</source>
        <translation>Mode triangle</translation>
    </message>
    <message>
        <source>Control+M cambia entre triángulo y equivalencia.</source>
        <translation>Control+M canvia entre triangle i proporció.</translation>
    </message>
    <message>
        <source>%1: marcada</source>
        <translation>%1: verificat</translation>
    </message>
    <message>
        <source>%1: no marcada</source>
        <translation>%1: no verificat</translation>
    </message>
    <message>
        <source>Sin respuesta: los valores conocidos deben ser positivos.</source>
        <translation>Sense resposta: els valors coneguts han de ser positius.</translation>
    </message>
    <message>
        <source>Anotar en la hoja (Ctrl+Intro)</source>
        <translation>Anota al full (Ctrl+Retorn)</translation>
    </message>
</context>
<context>
    <name>ui::SobrePitWindow</name>
    <message>
        <source>Pitágoras de Samos (c. 570 – c. 495 a. C.), filósofo y matemático griego, considerado el primer matemático puro. Su aporte a la matemática griega fue la</source>
        <translation>Pitàgores de Samos (c. 570 – c. 495 aC), filòsof i matemàtic grec, considerat el primer matemàtic pur. La seva aportació a la matemàtica grega va ser la</translation>
    </message>
    <message>
        <source>geometría y la aritmética derivadas de las relaciones numéricas, junto con sus aplicaciones a la música, a la astronomía y al estudio de pesos y medidas. Para él, el número era el principio de todas las cosas. En Crotona, al sur de Italia, fundó una hermandad a la vez religiosa, filosófica y científica, cuyos miembros compartían sus bienes, seguían reglas de vida estrictas y guardaban en secreto las enseñanzas del maestro.</source>
        <translation>geometria i l&apos;aritmètica derivades de les relacions numèriques, amb les seves aplicacions a la música, a l&apos;astronomia i a l&apos;estudi de pesos i mesures. Per a ell, el nombre era el principi de totes les coses. A Crotona, al sud d&apos;Itàlia, va fundar una germandat alhora religiosa, filosòfica i científica, els membres de la qual compartien els béns, seguien regles de vida estrictes i guardaven en secret els ensenyaments del mestre.</translation>
    </message>
    <message>
        <source>No se conserva ningún escrito de Pitágoras, y es probable que nunca fijara su doctrina por escrito. Lo que sabemos de él nos llega por autores posteriores, y sus seguidores, los pitagóricos, solían atribuirle sus propios hallazgos, de modo que es difícil separar su obra de la de su escuela. Se le atribuyen el teorema de los triángulos rectángulos que lleva su nombre, la división de los números en pares e impares, el estudio de los números figurados y perfectos, la relación entre la longitud de una cuerda y los intervalos musicales, y la idea de que la Tierra es una esfera.</source>
        <translation>No es conserva cap escrit de Pitàgores, i és probable que mai no fixés la seva doctrina per escrit. El que sabem d&apos;ell ens arriba per autors posteriors, i els seus seguidors, els pitagòrics, solien atribuir-li les seves pròpies troballes, de manera que és difícil separar la seva obra de la de la seva escola. Se li atribueixen el teorema dels triangles rectangles que porta el seu nom, la divisió dels nombres en parells i senars, l&apos;estudi dels nombres figurats i perfectes, la relació entre la longitud d&apos;una corda i els intervals musicals, i la idea que la Terra és una esfera.</translation>
    </message>
    <message>
        <source>Sobre Pitágoras</source>
        <translation>Sobre Pitàgores</translation>
    </message>
    <message>
        <source>Retrato de Pitágoras</source>
        <translation>Retrat de Pitàgores</translation>
    </message>
    <message>
        <source>Leer más sobre Pitágoras en la enciclopedia</source>
        <translation>Llegir més sobre Pitàgores a l&apos;enciclopèdia</translation>
    </message>
    <message>
        <source>Leer más...</source>
        <translation>Llegir més...</translation>
    </message>
    <message>
        <source>https://es.wikipedia.org/wiki/Pitágoras</source>
        <translation>https://ca.wikipedia.org/wiki/Pitàgores</translation>
    </message>
    <message>
        <source>Se requiere una conexión a Internet, intente más tarde.</source>
        <translation>Cal una connexió a Internet; torneu-ho a provar més tard.</translation>
    </message>
    <message>
        <source>No se pudo abrir la página en el navegador web.</source>
        <translation>No s&apos;ha pogut obrir la pàgina al navegador web.</translation>
    </message>
</context>
</TS>

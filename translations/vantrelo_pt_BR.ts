<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Figuras</name>
    <message>
        <source>CUADRADO</source>
        <translation>QUADRADO</translation>
    </message>
    <message>
        <source> CUADRADO </source>
        <translation> QUADRADO </translation>
    </message>
    <message>
        <source>P = L * 4</source>
        <translation>P = L * 4</translation>
    </message>
    <message>
        <source>Lado (l):</source>
        <translation>Lado (l):</translation>
    </message>
    <message>
        <source>RECTÁNGULO</source>
        <translation>RETÂNGULO</translation>
    </message>
    <message>
        <source> RECTÁNGULO </source>
        <translation> RETÂNGULO </translation>
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
        <translation>TRIÂNGULO</translation>
    </message>
    <message>
        <source> TRIÁNGULO </source>
        <translation> TRIÂNGULO </translation>
    </message>
    <message>
        <source>L1 + L2 + L3</source>
        <translation>L1 + L2 + L3</translation>
    </message>
    <message>
        <source>Lado 1 (l1):</source>
        <translation>Lado 1 (l1):</translation>
    </message>
    <message>
        <source>Lado 2 (l2):</source>
        <translation>Lado 2 (l2):</translation>
    </message>
    <message>
        <source>Lado 3 (l3):</source>
        <translation>Lado 3 (l3):</translation>
    </message>
    <message>
        <source>POLÍGONO REG.</source>
        <translation>POLÍGONO REG.</translation>
    </message>
    <message>
        <source> POLÍGONO REGULAR </source>
        <translation> POLÍGONO REGULAR </translation>
    </message>
    <message>
        <source>P = L * #</source>
        <translation>P = L * #</translation>
    </message>
    <message>
        <source>No. lados (#):</source>
        <translation>Nº de lados (#):</translation>
    </message>
    <message>
        <source>ROMBO</source>
        <translation>LOSANGO</translation>
    </message>
    <message>
        <source> ROMBO </source>
        <translation> LOSANGO </translation>
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
        <translation>P = bs + ls</translation>
    </message>
    <message>
        <source>Bases x2 (bs):</source>
        <translation>Bases x2 (bs):</translation>
    </message>
    <message>
        <source>Paredes x2 (ws):</source>
        <translation>Lados x2 (ls):</translation>
    </message>
    <message>
        <source>TRAPECIO</source>
        <translation>TRAPÉZIO</translation>
    </message>
    <message>
        <source> TRAPECIO </source>
        <translation> TRAPÉZIO </translation>
    </message>
    <message>
        <source>B + b + ws</source>
        <translation>B + b + ls</translation>
    </message>
    <message>
        <source>Base Mayor (B):</source>
        <translation>Base maior (B):</translation>
    </message>
    <message>
        <source>Base Menor (b):</source>
        <translation>Base menor (b):</translation>
    </message>
    <message>
        <source>CIRCUNFERENC.</source>
        <translation>CIRCUNFERÊNC.</translation>
    </message>
    <message>
        <source> CIRCUNFERENCIA </source>
        <translation> CIRCUNFERÊNCIA </translation>
    </message>
    <message>
        <source>Pi * D</source>
        <translation>Pi * D</translation>
    </message>
    <message>
        <source>Diametro (D):</source>
        <translation>Diâmetro (D):</translation>
    </message>
    <message>
        <source>A = L²</source>
        <translation>A = L²</translation>
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
        <translation>Diagonal maior (D):</translation>
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
        <translation>A = L * # * a / 2</translation>
    </message>
    <message>
        <source>Apotema (a):</source>
        <translation>Apótema (a):</translation>
    </message>
    <message>
        <source>CÍRCULO</source>
        <translation>CÍRCULO</translation>
    </message>
    <message>
        <source> CÍRCULO </source>
        <translation> CÍRCULO </translation>
    </message>
    <message>
        <source>A = Pi * r²</source>
        <translation>A = Pi * r²</translation>
    </message>
    <message>
        <source>Radio (r):</source>
        <translation>Raio (r):</translation>
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
        <translation>CUBO</translation>
    </message>
    <message>
        <source> CUBO </source>
        <translation> CUBO </translation>
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
        <translation>PARALELEPÍPED.</translation>
    </message>
    <message>
        <source> PARALELEPÍPEDO </source>
        <translation> PARALELEPÍPEDO </translation>
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
        <translation>Área da base (Ab):</translation>
    </message>
    <message>
        <source>CILINDRO</source>
        <translation>CILINDRO</translation>
    </message>
    <message>
        <source> CILINDRO </source>
        <translation> CILINDRO </translation>
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
        <translation>PIRÂMIDE</translation>
    </message>
    <message>
        <source> PIRÁMIDE </source>
        <translation> PIRÂMIDE </translation>
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
        <translation>OCTAEDRO REG.</translation>
    </message>
    <message>
        <source> OCTAEDRO REGULAR </source>
        <translation> OCTAEDRO REGULAR </translation>
    </message>
    <message>
        <source>V = Raiz(2) / 3 * a³</source>
        <translation>V = Raiz(2) / 3 * a³</translation>
    </message>
    <message>
        <source>Paredes x2 (ws):</source>
        <comment>B + b + ws</comment>
        <translation>Ambos lados (ls):</translation>
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
        <translation>Milímetro</translation>
    </message>
    <message>
        <source>Centímetro</source>
        <translation>Centímetro</translation>
    </message>
    <message>
        <source>Pulgada</source>
        <translation>Polegada</translation>
    </message>
    <message>
        <source>Decímetro</source>
        <translation>Decímetro</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Pé</translation>
    </message>
    <message>
        <source>Yarda</source>
        <translation>Jarda</translation>
    </message>
    <message>
        <source>Metro</source>
        <translation>Metro</translation>
    </message>
    <message>
        <source>Kilómetro</source>
        <translation>Quilômetro</translation>
    </message>
    <message>
        <source>Milla</source>
        <translation>Milha</translation>
    </message>
    <message>
        <source>Centímetro²</source>
        <translation>Centímetro²</translation>
    </message>
    <message>
        <source>Pulgada²</source>
        <translation>Polegada²</translation>
    </message>
    <message>
        <source>Decímetro²</source>
        <translation>Decímetro²</translation>
    </message>
    <message>
        <source>Pie²</source>
        <translation>Pé²</translation>
    </message>
    <message>
        <source>Yarda²</source>
        <translation>Jarda²</translation>
    </message>
    <message>
        <source>Metro²</source>
        <translation>Metro²</translation>
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
        <translation>Quilômetro²</translation>
    </message>
    <message>
        <source>Milla²</source>
        <translation>Milha²</translation>
    </message>
    <message>
        <source>Centímetro³</source>
        <translation>Centímetro³</translation>
    </message>
    <message>
        <source>Centílitro</source>
        <translation>Centilitro</translation>
    </message>
    <message>
        <source>Decílitro</source>
        <translation>Decilitro</translation>
    </message>
    <message>
        <source>Litro</source>
        <translation>Litro</translation>
    </message>
    <message>
        <source>Decímetro³</source>
        <translation>Decímetro³</translation>
    </message>
    <message>
        <source>Decalitro</source>
        <translation>Decalitro</translation>
    </message>
    <message>
        <source>Hectalitro</source>
        <translation>Hectolitro</translation>
    </message>
    <message>
        <source>Barril Liq. EE.UU.</source>
        <translation>Barril petról. EUA</translation>
    </message>
    <message>
        <source>Metro³</source>
        <translation>Metro³</translation>
    </message>
    <message>
        <source>Kilometro³</source>
        <translation>Quilômetro³</translation>
    </message>
    <message numerus="yes">
        <source>milímetros</source>
        <translation>
            <numerusform>milímetro</numerusform>
            <numerusform>milímetros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centímetros</source>
        <translation>
            <numerusform>centímetro</numerusform>
            <numerusform>centímetros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>metros</source>
        <translation>
            <numerusform>metro</numerusform>
            <numerusform>metros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilómetros</source>
        <translation>
            <numerusform>quilômetro</numerusform>
            <numerusform>quilômetros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milímetros cuadrados</source>
        <translation>
            <numerusform>milímetro quadrado</numerusform>
            <numerusform>milímetros quadrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centímetros cuadrados</source>
        <translation>
            <numerusform>centímetro quadrado</numerusform>
            <numerusform>centímetros quadrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>metros cuadrados</source>
        <translation>
            <numerusform>metro quadrado</numerusform>
            <numerusform>metros quadrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilómetros cuadrados</source>
        <translation>
            <numerusform>quilômetro quadrado</numerusform>
            <numerusform>quilômetros quadrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milímetros cúbicos</source>
        <translation>
            <numerusform>milímetro cúbico</numerusform>
            <numerusform>milímetros cúbicos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centímetros cúbicos</source>
        <translation>
            <numerusform>centímetro cúbico</numerusform>
            <numerusform>centímetros cúbicos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>metros cúbicos</source>
        <translation>
            <numerusform>metro cúbico</numerusform>
            <numerusform>metros cúbicos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilómetros cúbicos</source>
        <translation>
            <numerusform>quilômetro cúbico</numerusform>
            <numerusform>quilômetros cúbicos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pulgadas</source>
        <translation>
            <numerusform>polegada</numerusform>
            <numerusform>polegadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decímetros</source>
        <translation>
            <numerusform>decímetro</numerusform>
            <numerusform>decímetros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pies</source>
        <translation>
            <numerusform>pé</numerusform>
            <numerusform>pés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yardas</source>
        <translation>
            <numerusform>jarda</numerusform>
            <numerusform>jardas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millas</source>
        <translation>
            <numerusform>milha</numerusform>
            <numerusform>milhas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pulgadas cuadradas</source>
        <translation>
            <numerusform>polegada quadrada</numerusform>
            <numerusform>polegadas quadradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decímetros cuadrados</source>
        <translation>
            <numerusform>decímetro quadrado</numerusform>
            <numerusform>decímetros quadrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pies cuadrados</source>
        <translation>
            <numerusform>pé quadrado</numerusform>
            <numerusform>pés quadrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yardas cuadradas</source>
        <translation>
            <numerusform>jarda quadrada</numerusform>
            <numerusform>jardas quadradas</numerusform>
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
            <numerusform>milha quadrada</numerusform>
            <numerusform>milhas quadradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centilitros</source>
        <translation>
            <numerusform>centilitro</numerusform>
            <numerusform>centilitros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decilitros</source>
        <translation>
            <numerusform>decilitro</numerusform>
            <numerusform>decilitros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>litros</source>
        <translation>
            <numerusform>litro</numerusform>
            <numerusform>litros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decímetros cúbicos</source>
        <translation>
            <numerusform>decímetro cúbico</numerusform>
            <numerusform>decímetros cúbicos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decalitros</source>
        <translation>
            <numerusform>decalitro</numerusform>
            <numerusform>decalitros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hectolitros</source>
        <translation>
            <numerusform>hectolitro</numerusform>
            <numerusform>hectolitros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>barriles líquidos estadounidenses</source>
        <translation>
            <numerusform>barril de petróleo americano</numerusform>
            <numerusform>barris de petróleo americanos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Valores</name>
    <message>
        <source>Fuera de rango</source>
        <translation>Fora do intervalo</translation>
    </message>
</context>
<context>
    <name>app::CommandLine</name>
    <message>
        <source>Muestra esta ayuda y termina.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Muestra la versión del programa y termina.</source>
        <translation>Mostra a versão do programa e sai.</translation>
    </message>
    <message>
        <source>CÓDIGO</source>
        <translation>CÓDIGO</translation>
    </message>
    <message>
        <source>Uso: vantrelo [opciones]
Herramientas de geometría y medida: perímetro, área y volumen de figuras,
triángulo rectángulo y regla de tres, conversión de unidades.

Opciones:
</source>
        <translation>Uso: vantrelo [opções]
Ferramentas de geometria e medidas: perímetro, área e volume de figuras,
triângulo retângulo e regra de três, conversão de unidades.

Opções:
</translation>
    </message>
    <message>
        <source>
Acepta además las opciones de Qt para programas gráficos, como -style.
</source>
        <translation>
Aceita também as opções do Qt para programas gráficos, como -style.
</translation>
    </message>
    <message>
        <source>vantrelo: %1; use «vantrelo --help» para ver las opciones.
</source>
        <translation>vantrelo: %1; use &quot;vantrelo --help&quot; para ver as opções.
</translation>
    </message>
    <message>
        <source>opción desconocida «%1»</source>
        <translation>opção desconhecida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>argumento inesperado «%1»</source>
        <translation>argumento inesperado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>idioma desconocido «%1»</source>
        <translation>idioma desconhecido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Idioma de las ventanas: %1.</source>
        <translation>Idioma das janelas: %1.</translation>
    </message>
    <message>
        <source>español</source>
        <extracomment>The name of the language of this translation, written in that language (English, português, català).</extracomment>
        <translation>português do Brasil</translation>
    </message>
    <message>
        <source>la opción «%1» no lleva valor</source>
        <translation>a opção &quot;%1&quot; não leva valor</translation>
    </message>
    <message>
        <source>a la opción «%1» le falta su valor</source>
        <translation>falta o valor da opção &quot;%1&quot;</translation>
    </message>
    <message>
        <source>vantrelo: no se pudo escribir la respuesta (%1).
</source>
        <translation>vantrelo: não foi possível escrever a resposta (%1).
</translation>
    </message>
</context>
<context>
    <name>app::MenuWindow</name>
    <message>
        <source>Cálculos con figuras</source>
        <translation>Cálculos com figuras</translation>
    </message>
    <message>
        <source>CÁLCULOS CON FIGURAS</source>
        <translation>CÁLCULOS COM FIGURAS</translation>
    </message>
    <message>
        <source>Abre un menú: perímetro, área, volumen</source>
        <translation>Abre um menu: perímetro, área, volume</translation>
    </message>
    <message>
        <source>Pitágoras de Samos</source>
        <translation>Pitágoras de Samos</translation>
    </message>
    <message>
        <source>PITÁGORAS DE SAMOS</source>
        <translation>PITÁGORAS DE SAMOS</translation>
    </message>
    <message>
        <source>Abre un menú: teorema de Pitágoras y regla de tres, sobre Pitágoras</source>
        <translation>Abre um menu: teorema de Pitágoras e regra de três, sobre Pitágoras</translation>
    </message>
    <message>
        <source>Convertidor de unidades</source>
        <translation>Conversor de unidades</translation>
    </message>
    <message>
        <source>CONVERTIDOR DE UNIDADES</source>
        <translation>CONVERSOR DE UNIDADES</translation>
    </message>
    <message>
        <source>Abre el convertidor de unidades</source>
        <translation>Abre o conversor de unidades</translation>
    </message>
    <message>
        <source>Acerca de Vantrelo</source>
        <translation>Sobre o Vantrelo</translation>
    </message>
    <message>
        <source>ACERCA DE VANTRELO</source>
        <translation>SOBRE O VANTRELO</translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>Ajustar Pi</source>
        <translation>Definir Pi</translation>
    </message>
    <message>
        <source>AJUSTAR PI</source>
        <translation>DEFINIR PI</translation>
    </message>
    <message>
        <source>Perímetro</source>
        <translation>Perímetro</translation>
    </message>
    <message>
        <source>Área</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>Volumen</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Milvane<byte value="xd"/>
Vantrelo: Versión %1</source>
        <translation>Milvane<byte value="xd"/>
Vantrelo: Versão %1</translation>
    </message>
    <message>
        <source>Vantrelo - Menú</source>
        <translation>Vantrelo - Menu</translation>
    </message>
    <message>
        <source>BIENVENIDO</source>
        <translation>BEM-VINDO</translation>
    </message>
    <message>
        <source>Valor de Pi</source>
        <translation>Valor de Pi</translation>
    </message>
    <message>
        <source>Teorema de Pitágoras y regla de tres</source>
        <translation>Teorema de Pitágoras e regra de três</translation>
    </message>
    <message>
        <source>Sobre Pitágoras</source>
        <translation>Sobre Pitágoras</translation>
    </message>
    <message>
        <source>Cuadro de Pi cerrado</source>
        <translation>Caixa de Pi fechada</translation>
    </message>
    <message>
        <source>Cuadro de Pi abierto: %1; Tab para editarlo</source>
        <translation>Caixa de Pi aberta: %1; Tab para editá-la</translation>
    </message>
    <message>
        <source>Pi: %1</source>
        <translation>Pi: %1</translation>
    </message>
    <message>
        <source>Valor no permitido.</source>
        <translation>Valor não permitido.</translation>
    </message>
    <message>
        <source>Está apunto de cerrar todo, ¿está seguro?</source>
        <translation>Você está prestes a fechar tudo. Tem certeza?</translation>
    </message>
    <message>
        <source>Entre 3.14 y 3.15; Intro para aplicar, Escape o doble clic para restablecer</source>
        <translation>Entre 3.14 e 3.15; Enter para aplicar, Esc ou clique duplo para restaurar</translation>
    </message>
    <message>
        <source>Valor predeterminado: %1</source>
        <translation>Valor padrão: %1</translation>
    </message>
    <message>
        <source>Hoja de resultados</source>
        <translation>Folha de resultados</translation>
    </message>
    <message>
        <source>HOJA DE RESULTADOS</source>
        <translation>FOLHA DE RESULTADOS</translation>
    </message>
    <message>
        <source>La hoja de resultados tiene anotaciones sin guardar ni copiar, que se perderán. ¿Cerrar de todos modos?</source>
        <translation>A folha de resultados tem anotações não salvas nem copiadas, que serão perdidas. Fechar mesmo assim?</translation>
    </message>
</context>
<context>
    <name>app::QtDesktop</name>
    <message>
        <source>Sí</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Acerca de %1</source>
        <translation>Sobre o %1</translation>
    </message>
</context>
<context>
    <name>app::SplashWindow</name>
    <message>
        <source>Cerrar</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source> Cerrar </source>
        <translation> Fechar </translation>
    </message>
</context>
<context>
    <name>app::WindowSystem</name>
    <message>
        <source>vantrelo: no se pudo conectar con ningún sistema de ventanas (DISPLAY=%1, WAYLAND_DISPLAY=%2).
</source>
        <translation>vantrelo: não foi possível conectar a nenhum sistema de janelas (DISPLAY=%1, WAYLAND_DISPLAY=%2).
</translation>
    </message>
    <message>
        <source>vantrelo: un compositor Wayland responde en WAYLAND_DISPLAY=%1, pero falta el complemento de Qt para Wayland: instale el paquete qt6-wayland.
</source>
        <translation>vantrelo: um compositor Wayland responde em WAYLAND_DISPLAY=%1, mas falta o plugin do Qt para Wayland: instale o pacote qt6-wayland.
</translation>
    </message>
</context>
<context>
    <name>kit::AccessibleCheckItem</name>
    <message>
        <source>%1, no marcada</source>
        <translation>%1, não marcada</translation>
    </message>
</context>
<context>
    <name>kit::NumberBox</name>
    <message>
        <source>No hay un número en el portapapeles</source>
        <translation>Não há um número na área de transferência</translation>
    </message>
    <message>
        <source>Pegado: %1</source>
        <translation>Colado: %1</translation>
    </message>
</context>
<context>
    <name>kit::SheetWindow</name>
    <message>
        <source>Hoja de resultados</source>
        <translation>Folha de resultados</translation>
    </message>
    <message>
        <source>Intro abre la herramienta de la anotación; Suprimir la quita; Control+C la copia; Control+S guarda la hoja en PDF; Control+P la imprime.</source>
        <translation>Enter abre a ferramenta da anotação; Delete a remove; Control+C a copia; Control+S salva a folha em PDF; Control+P a imprime.</translation>
    </message>
    <message>
        <source>Anotaciones</source>
        <translation>Anotações</translation>
    </message>
    <message>
        <source>Copiar todo</source>
        <translation>Copiar tudo</translation>
    </message>
    <message>
        <source> Copia todas las anotaciones (Control+Mayúsculas+C) </source>
        <translation> Copia todas as anotações (Control+Shift+C) </translation>
    </message>
    <message>
        <source>Imprimir…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source> Imprime la hoja (Control+P) </source>
        <translation> Imprime a folha (Control+P) </translation>
    </message>
    <message>
        <source>Guardar PDF…</source>
        <translation>Salvar PDF…</translation>
    </message>
    <message>
        <source> Guarda la hoja como PDF (Control+S) </source>
        <translation> Salva a folha como PDF (Control+S) </translation>
    </message>
    <message>
        <source>Anotación copiada</source>
        <translation>Anotação copiada</translation>
    </message>
    <message>
        <source>Hoja copiada</source>
        <translation>Folha copiada</translation>
    </message>
    <message>
        <source>Quitada: %1</source>
        <translation>Removida: %1</translation>
    </message>
    <message>
        <source>no se pudo componer el documento</source>
        <translation>não foi possível compor o documento</translation>
    </message>
    <message>
        <source>La hoja está vacía</source>
        <translation>A folha está vazia</translation>
    </message>
    <message>
        <source>Guardar la hoja como PDF</source>
        <translation>Salvar a folha como PDF</translation>
    </message>
    <message>
        <source>hoja-de-resultados.pdf</source>
        <translation>folha-de-resultados.pdf</translation>
    </message>
    <message>
        <source>Documentos PDF (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No se pudo guardar la hoja en %1: %2</source>
        <translation>Não foi possível salvar a folha em %1: %2</translation>
    </message>
    <message>
        <source>Hoja guardada</source>
        <translation>Folha salva</translation>
    </message>
    <message>
        <source>Hoja enviada a imprimir</source>
        <translation>Folha enviada para impressão</translation>
    </message>
    <message>
        <source>es_ES</source>
        <comment>the locale the sheet&apos;s date is written in</comment>
        <translation>pt_BR</translation>
    </message>
</context>
<context>
    <name>kit::ToolWindow</name>
    <message>
        <source>Anotar</source>
        <translation>Anotar</translation>
    </message>
    <message>
        <source>Anotar en la hoja de resultados</source>
        <translation>Anotar na folha de resultados</translation>
    </message>
    <message>
        <source> Anota el resultado en la hoja de resultados (Control+Intro) </source>
        <translation> Anota o resultado na folha de resultados (Control+Enter) </translation>
    </message>
    <message>
        <source>Nada que anotar: %1</source>
        <translation>Nada a anotar: %1</translation>
    </message>
    <message>
        <source>Anotado: %1</source>
        <translation>Anotado: %1</translation>
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
        <translation>mais</translation>
    </message>
    <message>
        <source>menos</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>por</source>
        <translation>vezes</translation>
    </message>
    <message>
        <source>entre</source>
        <translation>dividido por</translation>
    </message>
    <message>
        <source>al cuadrado</source>
        <translation>ao quadrado</translation>
    </message>
    <message>
        <source>al cubo</source>
        <translation>ao cubo</translation>
    </message>
    <message>
        <source>raíz cuadrada de</source>
        <translation>raiz quadrada de</translation>
    </message>
    <message>
        <source>abre paréntesis</source>
        <translation>abre parêntese</translation>
    </message>
    <message>
        <source>cierra paréntesis</source>
        <translation>fecha parêntese</translation>
    </message>
    <message>
        <source>igual a</source>
        <translation>igual a</translation>
    </message>
    <message>
        <source>redondeado a</source>
        <translation>arredondado para</translation>
    </message>
    <message>
        <source>(redondeado)</source>
        <translation>(arredondado)</translation>
    </message>
    <message>
        <source>aproximadamente</source>
        <translation>aproximadamente</translation>
    </message>
    <message>
        <source>(redondeado a %1 decimales)</source>
        <translation>(arredondado a %1 casas decimais)</translation>
    </message>
    <message>
        <source>número de lados</source>
        <translation>número de lados</translation>
    </message>
    <message>
        <source>fin de raíz</source>
        <translation>fim da raiz</translation>
    </message>
</context>
<context>
    <name>kit::WorkingPanel</name>
    <message>
        <source>Desarrollo</source>
        <translation>Resolução</translation>
    </message>
    <message>
        <source>Desarrollo del resultado</source>
        <translation>Resolução do resultado</translation>
    </message>
    <message>
        <source> Se copia con Control+Mayúsculas+C </source>
        <translation> Copia-se com Control+Shift+C </translation>
    </message>
    <message>
        <source>Copiar el desarrollo</source>
        <translation>Copiar a resolução</translation>
    </message>
    <message>
        <source> Copiar el desarrollo (Control+Mayúsculas+C) </source>
        <translation> Copiar a resolução (Control+Shift+C) </translation>
    </message>
    <message>
        <source>F3 muestra u oculta el desarrollo del resultado.</source>
        <translation>F3 mostra ou oculta a resolução do resultado.</translation>
    </message>
    <message>
        <source> Muestra u oculta el desarrollo del resultado (F3) </source>
        <translation> Mostra ou oculta a resolução do resultado (F3) </translation>
    </message>
    <message>
        <source>Desarrollo (F3)</source>
        <translation>Resolução (F3)</translation>
    </message>
    <message>
        <source>Desarrollo oculto</source>
        <translation>Resolução oculta</translation>
    </message>
    <message>
        <source>Desarrollo copiado</source>
        <translation>Resolução copiada</translation>
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
        <translation>Perímetro</translation>
    </message>
    <message>
        <source>Área</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>Volumen</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Figura</source>
        <translation>Figura</translation>
    </message>
    <message>
        <source>Unidad de entrada</source>
        <translation>Unidade de entrada</translation>
    </message>
    <message>
        <source>Unidad de longitud de todas las medidas</source>
        <translation>Unidade de comprimento de todas as medidas</translation>
    </message>
    <message>
        <source>Unidad de la medida %1</source>
        <translation>Unidade da medida %1</translation>
    </message>
    <message>
        <source>Medidas</source>
        <translation>Medidas</translation>
    </message>
    <message>
        <source>Medida %1</source>
        <translation>Medida %1</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Unidad del resultado</source>
        <translation>Unidade do resultado</translation>
    </message>
    <message>
        <source>Unidad en que se muestra el resultado</source>
        <translation>Unidade em que o resultado é mostrado</translation>
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
        <translation>Desenho da figura</translation>
    </message>
    <message>
        <source>Unidad del área de la base</source>
        <translation>Unidade da área da base</translation>
    </message>
    <message>
        <source>Unidad de superficie del área de la base</source>
        <translation>Unidade de superfície da área da base</translation>
    </message>
    <message>
        <source>F2 lee el resultado</source>
        <translation>F2 lê o resultado</translation>
    </message>
    <message>
        <source>Resultado: %1</source>
        <translation>Resultado: %1</translation>
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
        <translation>Faltam medidas</translation>
    </message>
</context>
<context>
    <name>ui::ConverterWindow</name>
    <message>
        <source>Unidad de origen</source>
        <translation>Unidade de origem</translation>
    </message>
    <message>
        <source>Unidades</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Valores</source>
        <translation>Valores</translation>
    </message>
    <message>
        <source>Longitud</source>
        <translation>Comprimento</translation>
    </message>
    <message>
        <source>Área</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>Volumen</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Convertidor de unidades</source>
        <translation>Conversor de unidades</translation>
    </message>
    <message>
        <source>Valor a convertir</source>
        <translation>Valor a converter</translation>
    </message>
    <message>
        <source>Categoría</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Pegar</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source> Pegar </source>
        <translation> Colar </translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source> Copiar </source>
        <translation> Copiar </translation>
    </message>
    <message>
        <source>Copiado: %1</source>
        <translation>Copiado: %1</translation>
    </message>
    <message>
        <source>Elija un valor de la lista para ver cómo se obtiene.</source>
        <translation>Escolha um valor da lista para ver como é obtido.</translation>
    </message>
    <message>
        <source>Escriba un valor</source>
        <translation>Digite um valor</translation>
    </message>
    <message>
        <source>Resultado: %1</source>
        <translation>Resultado: %1</translation>
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
        <translation> Cateto A </translation>
    </message>
    <message>
        <source>Cateto a</source>
        <translation>Cateto a</translation>
    </message>
    <message>
        <source> Cateto B </source>
        <translation> Cateto B </translation>
    </message>
    <message>
        <source>Cateto b</source>
        <translation>Cateto b</translation>
    </message>
    <message>
        <source> A </source>
        <translation> A </translation>
    </message>
    <message>
        <source>Término A, numerador izquierdo</source>
        <translation>Termo A, numerador esquerdo</translation>
    </message>
    <message>
        <source> X </source>
        <translation> X </translation>
    </message>
    <message>
        <source>Término X, denominador izquierdo</source>
        <translation>Termo X, denominador esquerdo</translation>
    </message>
    <message>
        <source> B </source>
        <translation> B </translation>
    </message>
    <message>
        <source>Término B, numerador derecho</source>
        <translation>Termo B, numerador direito</translation>
    </message>
    <message>
        <source> Y </source>
        <translation> Y </translation>
    </message>
    <message>
        <source>Término Y, denominador derecho</source>
        <translation>Termo Y, denominador direito</translation>
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
        <translation>A tecla de menu de contexto ou Shift+F10 abre as opções &quot;Só 4 casas decimais&quot; e &quot;Resposta automática&quot;.</translation>
    </message>
    <message>
        <source>Teorema de Pitágoras y regla de tres</source>
        <translation>Teorema de Pitágoras e regra de três</translation>
    </message>
    <message>
        <source>F2 lee la última respuesta. </source>
        <translation>F2 lê a última resposta. </translation>
    </message>
    <message>
        <source>Triángulo y proporción</source>
        <translation>Triângulo e proporção</translation>
    </message>
    <message>
        <source>Equivalencia</source>
        <translation>Proporção</translation>
    </message>
    <message>
        <source>Cambia entre triángulo y equivalencia</source>
        <translation>Alterna entre triângulo e proporção</translation>
    </message>
    <message>
        <source>Resolver</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Sólo 4 decimales</source>
        <translation>Só 4 casas decimais</translation>
    </message>
    <message>
        <source>Respuesta automática</source>
        <translation>Resposta automática</translation>
    </message>
    <message>
        <source>Sin respuesta todavía</source>
        <translation>Ainda sem resposta</translation>
    </message>
    <message>
        <source>Triángulo</source>
        <translation>Triângulo</translation>
    </message>
    <message>
        <source>La hipotenusa debe ser mayor que los catetos.</source>
        <translation>A hipotenusa deve ser maior que os catetos.</translation>
    </message>
    <message>
        <source>Modo equivalencia</source>
        <translation>Modo proporção</translation>
    </message>
    <message>
        <source>Modo triángulo</source>
        <translation>Modo triângulo</translation>
    </message>
    <message>
        <source>Control+M cambia entre triángulo y equivalencia.</source>
        <translation>Control+M alterna entre triângulo e proporção.</translation>
    </message>
    <message>
        <source>%1: marcada</source>
        <translation>%1: selecionada</translation>
    </message>
    <message>
        <source>%1: no marcada</source>
        <translation>%1: não marcada</translation>
    </message>
    <message>
        <source>Sin respuesta: los valores conocidos deben ser positivos.</source>
        <translation>Sem resposta: os valores conhecidos devem ser positivos.</translation>
    </message>
    <message>
        <source>Anotar en la hoja (Ctrl+Intro)</source>
        <translation>Anotar na folha (Ctrl+Enter)</translation>
    </message>
</context>
<context>
    <name>ui::SobrePitWindow</name>
    <message>
        <source>Pitágoras de Samos (c. 570 – c. 495 a. C.), filósofo y matemático griego, considerado el primer matemático puro. Su aporte a la matemática griega fue la</source>
        <translation>Pitágoras de Samos (c. 570 – c. 495 a.C.), filósofo e matemático grego, tido como o primeiro matemático puro. Seu legado à matemática grega foi a</translation>
    </message>
    <message>
        <source>geometría y la aritmética derivadas de las relaciones numéricas, junto con sus aplicaciones a la música, a la astronomía y al estudio de pesos y medidas. Para él, el número era el principio de todas las cosas. En Crotona, al sur de Italia, fundó una hermandad a la vez religiosa, filosófica y científica, cuyos miembros compartían sus bienes, seguían reglas de vida estrictas y guardaban en secreto las enseñanzas del maestro.</source>
        <translation>geometria e a aritmética derivadas das relações numéricas, com suas aplicações à música, à astronomia e ao estudo de pesos e medidas. Para ele, o número era o princípio de todas as coisas. Em Crotona, no sul da Itália, fundou uma irmandade ao mesmo tempo religiosa, filosófica e científica, cujos membros compartilhavam seus bens, seguiam regras de vida rígidas e guardavam em segredo os ensinamentos do mestre.</translation>
    </message>
    <message>
        <source>No se conserva ningún escrito de Pitágoras, y es probable que nunca fijara su doctrina por escrito. Lo que sabemos de él nos llega por autores posteriores, y sus seguidores, los pitagóricos, solían atribuirle sus propios hallazgos, de modo que es difícil separar su obra de la de su escuela. Se le atribuyen el teorema de los triángulos rectángulos que lleva su nombre, la división de los números en pares e impares, el estudio de los números figurados y perfectos, la relación entre la longitud de una cuerda y los intervalos musicales, y la idea de que la Tierra es una esfera.</source>
        <translation>Nenhum escrito de Pitágoras chegou até nós, e é provável que ele nunca tenha registrado sua doutrina por escrito. O que sabemos dele vem de autores posteriores, e seus seguidores, os pitagóricos, costumavam atribuir a ele suas próprias descobertas, de modo que é difícil separar sua obra da de sua escola. Atribuem-se a ele o teorema dos triângulos retângulos que leva seu nome, a divisão dos números em pares e ímpares, o estudo dos números figurados e perfeitos, a relação entre o comprimento de uma corda e os intervalos musicais, e a ideia de que a Terra é uma esfera.</translation>
    </message>
    <message>
        <source>Sobre Pitágoras</source>
        <translation>Sobre Pitágoras</translation>
    </message>
    <message>
        <source>Retrato de Pitágoras</source>
        <translation>Retrato de Pitágoras</translation>
    </message>
    <message>
        <source>Leer más sobre Pitágoras en la enciclopedia</source>
        <translation>Ler mais sobre Pitágoras na enciclopédia</translation>
    </message>
    <message>
        <source>Leer más...</source>
        <translation>Ler mais...</translation>
    </message>
    <message>
        <source>https://es.wikipedia.org/wiki/Pitágoras</source>
        <translation>https://pt.wikipedia.org/wiki/Pitágoras</translation>
    </message>
    <message>
        <source>Se requiere una conexión a Internet, intente más tarde.</source>
        <translation>É preciso uma conexão com a Internet; tente mais tarde.</translation>
    </message>
    <message>
        <source>No se pudo abrir la página en el navegador web.</source>
        <translation>Não foi possível abrir a página no navegador.</translation>
    </message>
</context>
</TS>

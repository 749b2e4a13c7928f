<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Unidades</name>
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
            <numerusform>kilómetro</numerusform>
            <numerusform>kilómetros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>milímetros cuadrados</source>
        <translation>
            <numerusform>milímetro cuadrado</numerusform>
            <numerusform>milímetros cuadrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>centímetros cuadrados</source>
        <translation>
            <numerusform>centímetro cuadrado</numerusform>
            <numerusform>centímetros cuadrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>metros cuadrados</source>
        <translation>
            <numerusform>metro cuadrado</numerusform>
            <numerusform>metros cuadrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kilómetros cuadrados</source>
        <translation>
            <numerusform>kilómetro cuadrado</numerusform>
            <numerusform>kilómetros cuadrados</numerusform>
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
            <numerusform>kilómetro cúbico</numerusform>
            <numerusform>kilómetros cúbicos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pulgadas</source>
        <translation>
            <numerusform>pulgada</numerusform>
            <numerusform>pulgadas</numerusform>
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
            <numerusform>pie</numerusform>
            <numerusform>pies</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yardas</source>
        <translation>
            <numerusform>yarda</numerusform>
            <numerusform>yardas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millas</source>
        <translation>
            <numerusform>milla</numerusform>
            <numerusform>millas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pulgadas cuadradas</source>
        <translation>
            <numerusform>pulgada cuadrada</numerusform>
            <numerusform>pulgadas cuadradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>decímetros cuadrados</source>
        <translation>
            <numerusform>decímetro cuadrado</numerusform>
            <numerusform>decímetros cuadrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>pies cuadrados</source>
        <translation>
            <numerusform>pie cuadrado</numerusform>
            <numerusform>pies cuadrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yardas cuadradas</source>
        <translation>
            <numerusform>yarda cuadrada</numerusform>
            <numerusform>yardas cuadradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>áreas</source>
        <translation>
            <numerusform>área</numerusform>
            <numerusform>áreas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hectáreas</source>
        <translation>
            <numerusform>hectárea</numerusform>
            <numerusform>hectáreas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>millas cuadradas</source>
        <translation>
            <numerusform>milla cuadrada</numerusform>
            <numerusform>millas cuadradas</numerusform>
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
            <numerusform>barril líquido estadounidense</numerusform>
            <numerusform>barriles líquidos estadounidenses</numerusform>
        </translation>
    </message>
</context>
</TS>

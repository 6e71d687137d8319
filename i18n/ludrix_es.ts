<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About</name>
    <message>
        <source>Visit %1</source>
        <translation>Web: %1</translation>
    </message>
    <message>
        <source>Contact %1</source>
        <translation>Correo: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Version 1.0.4</source>
        <translation>Versión 1.0.4</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site in your web browser</source>
        <translation>Abre el sitio web del fabricante en su navegador</translation>
    </message>
    <message>
        <source>Starts an enquiry e-mail to the maker</source>
        <translation>Inicia un correo electrónico de consulta al fabricante</translation>
    </message>
</context>
<context>
    <name>Ludrix</name>
    <message>
        <source>Pipe sizing software</source>
        <translation>Cálculo de tuberías</translation>
    </message>
    <message>
        <source>Flow meters and gauges</source>
        <translation>Caudalímetros y medidores</translation>
    </message>
    <message>
        <source>Free engineering tools</source>
        <translation>Herramientas gratuitas</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Reset Values</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Select Flow Rate Unit</source>
        <translation>Seleccionar la unidad de caudal</translation>
    </message>
    <message>
        <source>Flow rate unit</source>
        <translation>Unidad de caudal</translation>
    </message>
    <message>
        <source>Select Velocity Unit</source>
        <translation>Seleccionar la unidad de velocidad</translation>
    </message>
    <message>
        <source>Velocity unit</source>
        <translation>Unidad de velocidad</translation>
    </message>
    <message>
        <source>Select Diameter Unit</source>
        <translation>Seleccionar la unidad de diámetro</translation>
    </message>
    <message>
        <source>Inside diameter unit</source>
        <translation>Unidad del diámetro interior</translation>
    </message>
    <message>
        <source>Key in the flow rate</source>
        <translation>Introducir el caudal</translation>
    </message>
    <message>
        <source>Volumetric flow rate</source>
        <translation>Caudal volumétrico</translation>
    </message>
    <message>
        <source>key in the velocity</source>
        <translation>Introducir la velocidad</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Key in the inside diameter</source>
        <translation>Introducir el diámetro interior</translation>
    </message>
    <message>
        <source>Inside diameter</source>
        <translation>Diámetro interior</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Guía</translation>
    </message>
    <message>
        <source>Northfall logo</source>
        <translation>Logotipo de Northfall</translation>
    </message>
    <message>
        <source>Northfall web site</source>
        <translation>Sitio web de Northfall</translation>
    </message>
    <message>
        <source>3. Press Calculate to get third value</source>
        <translation>3. Calcular obtiene el tercer valor</translation>
    </message>
    <message>
        <source>2. Enter two values</source>
        <translation>2. Dos valores</translation>
    </message>
    <message>
        <source>1. Select Units</source>
        <translation>1. Unidades</translation>
    </message>
    <message>
        <source>Volumetric Flowrate</source>
        <translation>Caudal volumétrico</translation>
    </message>
    <message>
        <source>Inside Diameter</source>
        <translation>Diámetro interior</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>The result is too large to calculate.</source>
        <translation>El resultado es demasiado grande para calcularlo.</translation>
    </message>
    <message>
        <source>A value is too small to calculate with.</source>
        <translation>Un valor es demasiado pequeño para calcular con él.</translation>
    </message>
    <message>
        <source>Velocity and flow rate need the same sign to calculate a diameter.</source>
        <translation>Para calcular un diámetro, la velocidad y el caudal deben tener el mismo signo.</translation>
    </message>
    <message>
        <source>The calculation failed.</source>
        <translation>No se pudo realizar el cálculo.</translation>
    </message>
    <message>
        <source>You need any 2 values to calculate flow rate!</source>
        <translation>¡Introduzca dos valores cualesquiera de los tres para calcular!</translation>
    </message>
    <message>
        <source>The Ludrix accept only numeric values</source>
        <translation>Ludrix solo acepta valores numéricos.</translation>
    </message>
</context>
<context>
    <name>UnitDefinition</name>
    <message>
        <source>cubic foot</source>
        <translation>pie cúbico</translation>
    </message>
    <message>
        <source>%1 cubic inches</source>
        <translation>%1 pulgadas cúbicas</translation>
    </message>
    <message>
        <source>US gallon</source>
        <translation>galón estadounidense</translation>
    </message>
    <message>
        <source>million US gallons</source>
        <translation>millón de galones estadounidenses</translation>
    </message>
    <message>
        <source>%1 US gallons</source>
        <translation>%1 galones estadounidenses</translation>
    </message>
    <message>
        <source>liter</source>
        <translation>litro</translation>
    </message>
    <message>
        <source>cubic meter</source>
        <translation>metro cúbico</translation>
    </message>
    <message>
        <source>imperial gallon</source>
        <translation>galón imperial</translation>
    </message>
    <message>
        <source>%1 liters</source>
        <translation>%1 litros</translation>
    </message>
    <message>
        <source>UK barrel</source>
        <translation>barril británico</translation>
    </message>
    <message>
        <source>%1 imperial gallons</source>
        <translation>%1 galones imperiales</translation>
    </message>
    <message>
        <source>US liquid barrel</source>
        <translation>barril estadounidense para líquidos</translation>
    </message>
    <message>
        <source>US oil barrel</source>
        <translation>barril estadounidense de petróleo</translation>
    </message>
    <message>
        <source>US federal barrel</source>
        <translation>barril federal estadounidense</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pulgada</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>millimeter</source>
        <translation>milímetro</translation>
    </message>
    <message>
        <source>foot</source>
        <translation>pie</translation>
    </message>
    <message>
        <source>%1 inches</source>
        <translation>%1 pulgadas</translation>
    </message>
    <message>
        <source>centimeter</source>
        <translation>centímetro</translation>
    </message>
    <message>
        <source>meter</source>
        <translation>metro</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %3 = %2</source>
        <translation>%1: %3 = %2</translation>
    </message>
    <message>
        <source>%1 per second: %2, per second</source>
        <translation>%1 por segundo: %2, por segundo</translation>
    </message>
    <message>
        <source>%1 per second: %3 = %2, per second</source>
        <translation>%1 por segundo: %3 = %2, por segundo</translation>
    </message>
    <message>
        <source>%1 per minute: %2, per minute</source>
        <translation>%1 por minuto: %2, por minuto</translation>
    </message>
    <message>
        <source>%1 per minute: %3 = %2, per minute</source>
        <translation>%1 por minuto: %3 = %2, por minuto</translation>
    </message>
    <message>
        <source>%1 per hour: %2, per hour</source>
        <translation>%1 por hora: %2, por hora</translation>
    </message>
    <message>
        <source>%1 per hour: %3 = %2, per hour</source>
        <translation>%1 por hora: %3 = %2, por hora</translation>
    </message>
    <message>
        <source>%1 per day: %2, per day</source>
        <translation>%1 por día: %2, por día</translation>
    </message>
    <message>
        <source>%1 per day: %3 = %2, per day</source>
        <translation>%1 por día: %3 = %2, por día</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>cubic feet/sec</source>
        <translation>pies cúbicos/s</translation>
    </message>
    <message>
        <source>cubic feet/minute</source>
        <translation>pies cúbicos/min</translation>
    </message>
    <message>
        <source>cubic feet/hour</source>
        <translation>pies cúbicos/h</translation>
    </message>
    <message>
        <source>cubic feet/day</source>
        <translation>pies cúbicos/día</translation>
    </message>
    <message>
        <source>US gallon/sec</source>
        <translation>galones US/s</translation>
    </message>
    <message>
        <source>US gallon/minute</source>
        <translation>galones US/min</translation>
    </message>
    <message>
        <source>US gallon/hour</source>
        <translation>galones US/h</translation>
    </message>
    <message>
        <source>US gallon/day</source>
        <translation>galones US/día</translation>
    </message>
    <message>
        <source>million US gallon/day</source>
        <translation>millones de galones US/día</translation>
    </message>
    <message>
        <source>liter/second</source>
        <translation>litros/s</translation>
    </message>
    <message>
        <source>liter/minute</source>
        <translation>litros/min</translation>
    </message>
    <message>
        <source>liter/hr</source>
        <translation>litros/h</translation>
    </message>
    <message>
        <source>liter/day</source>
        <translation>litros/día</translation>
    </message>
    <message>
        <source>cubic meter/sec</source>
        <translation>metros cúbicos/s</translation>
    </message>
    <message>
        <source>cubic meter/minute</source>
        <translation>metros cúbicos/min</translation>
    </message>
    <message>
        <source>cubic meter/hour</source>
        <translation>metros cúbicos/h</translation>
    </message>
    <message>
        <source>cubic meter/day</source>
        <translation>metros cúbicos/día</translation>
    </message>
    <message>
        <source>imperial gallon/sec</source>
        <translation>galones imperiales/s</translation>
    </message>
    <message>
        <source>imperial gallon/minute</source>
        <translation>galones imperiales/min</translation>
    </message>
    <message>
        <source>imperial gallon/hour</source>
        <translation>galones imperiales/h</translation>
    </message>
    <message>
        <source>imperial gallon/day</source>
        <translation>galones imperiales/día</translation>
    </message>
    <message>
        <source>UK Barrels/sec</source>
        <translation>barriles británicos/s</translation>
    </message>
    <message>
        <source>UK Barrels/minute</source>
        <translation>barriles británicos/min</translation>
    </message>
    <message>
        <source>UK Barrels/hour</source>
        <translation>barriles británicos/h</translation>
    </message>
    <message>
        <source>UK Barrels/day</source>
        <translation>barriles británicos/día</translation>
    </message>
    <message>
        <source>US Liquid Barrels/sec</source>
        <translation>barriles US líquidos/s</translation>
    </message>
    <message>
        <source>US Liquid Barrels/minute</source>
        <translation>barriles US líquidos/min</translation>
    </message>
    <message>
        <source>US Liquid Barrels/hour</source>
        <translation>barriles US líquidos/h</translation>
    </message>
    <message>
        <source>US Liquid Barrels/day</source>
        <translation>barriles US líquidos/día</translation>
    </message>
    <message>
        <source>US Oil Barrels/sec</source>
        <translation>barriles US de petróleo/s</translation>
    </message>
    <message>
        <source>US Oil Barrels/minute</source>
        <translation>barriles US de petróleo/min</translation>
    </message>
    <message>
        <source>US Oil Barrels/hour</source>
        <translation>barriles US de petróleo/h</translation>
    </message>
    <message>
        <source>US Oil Barrels/day</source>
        <translation>barriles US de petróleo/día</translation>
    </message>
    <message>
        <source>US Federal Barrels/sec</source>
        <translation>barriles federales US/s</translation>
    </message>
    <message>
        <source>US Federal Barrels/minute</source>
        <translation>barriles federales US/min</translation>
    </message>
    <message>
        <source>US Federal Barrels/hour</source>
        <translation>barriles federales US/h</translation>
    </message>
    <message>
        <source>US Federal Barrels/day</source>
        <translation>barriles federales US/día</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>inches/sec</source>
        <translation>pulgadas/s</translation>
    </message>
    <message>
        <source>ft/sec</source>
        <translation>ft/sec</translation>
    </message>
    <message>
        <source>cm/sec</source>
        <translation>cm/sec</translation>
    </message>
    <message>
        <source>m/sec</source>
        <translation>m/sec</translation>
    </message>
</context>
</TS>

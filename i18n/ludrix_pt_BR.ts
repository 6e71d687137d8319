<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About</name>
    <message>
        <source>Visit %1</source>
        <translation>Abrir %1</translation>
    </message>
    <message>
        <source>Contact %1</source>
        <translation>Contatar %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Version 1.0.4</source>
        <translation>Versão 1.0.4</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Sobre nós</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site in your web browser</source>
        <translation>Abre o site do fabricante no seu navegador</translation>
    </message>
    <message>
        <source>Starts an enquiry e-mail to the maker</source>
        <translation>Inicia um e-mail de consulta ao fabricante</translation>
    </message>
</context>
<context>
    <name>Ludrix</name>
    <message>
        <source>Pipe sizing software</source>
        <translation>Cálculo de tubulações</translation>
    </message>
    <message>
        <source>Flow meters and gauges</source>
        <translation>Medidores de vazão</translation>
    </message>
    <message>
        <source>Free engineering tools</source>
        <translation>Ferramentas gratuitas</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Sobre nós</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Reset Values</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Select Flow Rate Unit</source>
        <translation>Selecione a unidade de vazão</translation>
    </message>
    <message>
        <source>Flow rate unit</source>
        <translation>Unidade de vazão</translation>
    </message>
    <message>
        <source>Select Velocity Unit</source>
        <translation>Selecione a unidade de velocidade</translation>
    </message>
    <message>
        <source>Velocity unit</source>
        <translation>Unidade de velocidade</translation>
    </message>
    <message>
        <source>Select Diameter Unit</source>
        <translation>Selecione a unidade de diâmetro</translation>
    </message>
    <message>
        <source>Inside diameter unit</source>
        <translation>Unidade do diâmetro interno</translation>
    </message>
    <message>
        <source>Key in the flow rate</source>
        <translation>Digite a vazão</translation>
    </message>
    <message>
        <source>Volumetric flow rate</source>
        <translation>Vazão volumétrica</translation>
    </message>
    <message>
        <source>key in the velocity</source>
        <translation>Digite a velocidade</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Key in the inside diameter</source>
        <translation>Digite o diâmetro interno</translation>
    </message>
    <message>
        <source>Inside diameter</source>
        <translation>Diâmetro interno</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Northfall logo</source>
        <translation>Logotipo da Northfall</translation>
    </message>
    <message>
        <source>Northfall web site</source>
        <translation>Site da Northfall</translation>
    </message>
    <message>
        <source>3. Press Calculate to get third value</source>
        <translation>3. Clique em Calcular para o 3º valor</translation>
    </message>
    <message>
        <source>2. Enter two values</source>
        <translation>2. Digite 2 valores</translation>
    </message>
    <message>
        <source>1. Select Units</source>
        <translation>1. Unidades</translation>
    </message>
    <message>
        <source>Volumetric Flowrate</source>
        <translation>Vazão volumétrica</translation>
    </message>
    <message>
        <source>Inside Diameter</source>
        <translation>Diâmetro interno</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>The result is too large to calculate.</source>
        <translation>O resultado é grande demais para ser calculado.</translation>
    </message>
    <message>
        <source>A value is too small to calculate with.</source>
        <translation>Um dos valores é pequeno demais para o cálculo.</translation>
    </message>
    <message>
        <source>Velocity and flow rate need the same sign to calculate a diameter.</source>
        <translation>Para calcular um diâmetro, a velocidade e a vazão precisam ter o mesmo sinal.</translation>
    </message>
    <message>
        <source>The calculation failed.</source>
        <translation>Não foi possível fazer o cálculo.</translation>
    </message>
    <message>
        <source>You need any 2 values to calculate flow rate!</source>
        <translation>Informe dois valores quaisquer para calcular!</translation>
    </message>
    <message>
        <source>The Ludrix accept only numeric values</source>
        <translation>O Ludrix aceita somente valores numéricos</translation>
    </message>
</context>
<context>
    <name>UnitDefinition</name>
    <message>
        <source>cubic foot</source>
        <translation>pé cúbico</translation>
    </message>
    <message>
        <source>%1 cubic inches</source>
        <translation>%1 polegadas cúbicas</translation>
    </message>
    <message>
        <source>US gallon</source>
        <translation>galão americano</translation>
    </message>
    <message>
        <source>million US gallons</source>
        <translation>milhão de galões americanos</translation>
    </message>
    <message>
        <source>%1 US gallons</source>
        <translation>%1 galões americanos</translation>
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
        <translation>galão imperial</translation>
    </message>
    <message>
        <source>%1 liters</source>
        <translation>%1 litros</translation>
    </message>
    <message>
        <source>UK barrel</source>
        <translation>barril britânico</translation>
    </message>
    <message>
        <source>%1 imperial gallons</source>
        <translation>%1 galões imperiais</translation>
    </message>
    <message>
        <source>US liquid barrel</source>
        <translation>barril americano para líquidos</translation>
    </message>
    <message>
        <source>US oil barrel</source>
        <translation>barril americano de petróleo</translation>
    </message>
    <message>
        <source>US federal barrel</source>
        <translation>barril federal americano</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>polegada</translation>
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
        <translation>pé</translation>
    </message>
    <message>
        <source>%1 inches</source>
        <translation>%1 polegadas</translation>
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
        <translation>%1 por dia: %2, por dia</translation>
    </message>
    <message>
        <source>%1 per day: %3 = %2, per day</source>
        <translation>%1 por dia: %3 = %2, por dia</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>cubic feet/sec</source>
        <translation>pés cúbicos/s</translation>
    </message>
    <message>
        <source>cubic feet/minute</source>
        <translation>pés cúbicos/minuto</translation>
    </message>
    <message>
        <source>cubic feet/hour</source>
        <translation>pés cúbicos/hora</translation>
    </message>
    <message>
        <source>cubic feet/day</source>
        <translation>pés cúbicos/dia</translation>
    </message>
    <message>
        <source>US gallon/sec</source>
        <translation>galões EUA/s</translation>
    </message>
    <message>
        <source>US gallon/minute</source>
        <translation>galões EUA/minuto</translation>
    </message>
    <message>
        <source>US gallon/hour</source>
        <translation>galões EUA/hora</translation>
    </message>
    <message>
        <source>US gallon/day</source>
        <translation>galões EUA/dia</translation>
    </message>
    <message>
        <source>million US gallon/day</source>
        <translation>milhões de gal. EUA/dia</translation>
    </message>
    <message>
        <source>liter/second</source>
        <translation>litros/segundo</translation>
    </message>
    <message>
        <source>liter/minute</source>
        <translation>litros/minuto</translation>
    </message>
    <message>
        <source>liter/hr</source>
        <translation>litros/h</translation>
    </message>
    <message>
        <source>liter/day</source>
        <translation>litros/dia</translation>
    </message>
    <message>
        <source>cubic meter/sec</source>
        <translation>metros cúbicos/s</translation>
    </message>
    <message>
        <source>cubic meter/minute</source>
        <translation>metros cúbicos/minuto</translation>
    </message>
    <message>
        <source>cubic meter/hour</source>
        <translation>metros cúbicos/hora</translation>
    </message>
    <message>
        <source>cubic meter/day</source>
        <translation>metros cúbicos/dia</translation>
    </message>
    <message>
        <source>imperial gallon/sec</source>
        <translation>galões imperiais/s</translation>
    </message>
    <message>
        <source>imperial gallon/minute</source>
        <translation>galões imperiais/minuto</translation>
    </message>
    <message>
        <source>imperial gallon/hour</source>
        <translation>galões imperiais/hora</translation>
    </message>
    <message>
        <source>imperial gallon/day</source>
        <translation>galões imperiais/dia</translation>
    </message>
    <message>
        <source>UK Barrels/sec</source>
        <translation>barris britânicos/s</translation>
    </message>
    <message>
        <source>UK Barrels/minute</source>
        <translation>barris britânicos/minuto</translation>
    </message>
    <message>
        <source>UK Barrels/hour</source>
        <translation>barris britânicos/hora</translation>
    </message>
    <message>
        <source>UK Barrels/day</source>
        <translation>barris britânicos/dia</translation>
    </message>
    <message>
        <source>US Liquid Barrels/sec</source>
        <translation>barris EUA líquidos/s</translation>
    </message>
    <message>
        <source>US Liquid Barrels/minute</source>
        <translation>barris EUA líquidos/minuto</translation>
    </message>
    <message>
        <source>US Liquid Barrels/hour</source>
        <translation>barris EUA líquidos/hora</translation>
    </message>
    <message>
        <source>US Liquid Barrels/day</source>
        <translation>barris EUA líquidos/dia</translation>
    </message>
    <message>
        <source>US Oil Barrels/sec</source>
        <translation>barris EUA de petróleo/s</translation>
    </message>
    <message>
        <source>US Oil Barrels/minute</source>
        <translation>barris EUA de petróleo/minuto</translation>
    </message>
    <message>
        <source>US Oil Barrels/hour</source>
        <translation>barris EUA de petróleo/hora</translation>
    </message>
    <message>
        <source>US Oil Barrels/day</source>
        <translation>barris EUA de petróleo/dia</translation>
    </message>
    <message>
        <source>US Federal Barrels/sec</source>
        <translation>barris EUA federais/s</translation>
    </message>
    <message>
        <source>US Federal Barrels/minute</source>
        <translation>barris EUA federais/minuto</translation>
    </message>
    <message>
        <source>US Federal Barrels/hour</source>
        <translation>barris EUA federais/hora</translation>
    </message>
    <message>
        <source>US Federal Barrels/day</source>
        <translation>barris EUA federais/dia</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>polegadas</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>inches/sec</source>
        <translation>polegadas/s</translation>
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

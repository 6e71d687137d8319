<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>About</name>
    <message>
        <source>Visit %1</source>
        <translation>Apri %1</translation>
    </message>
    <message>
        <source>Contact %1</source>
        <translation>Scrivi a %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Version 1.0.4</source>
        <translation>Vers. 1.0.4</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Chi siamo</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site in your web browser</source>
        <translation>Apre il sito web del produttore nel browser</translation>
    </message>
    <message>
        <source>Starts an enquiry e-mail to the maker</source>
        <translation>Prepara un&apos;e-mail di richiesta informazioni al produttore</translation>
    </message>
</context>
<context>
    <name>Ludrix</name>
    <message>
        <source>Pipe sizing software</source>
        <translation>Calcolo tubazioni</translation>
    </message>
    <message>
        <source>Flow meters and gauges</source>
        <translation>Misuratori di portata</translation>
    </message>
    <message>
        <source>Free engineering tools</source>
        <translation>Strumenti gratuiti</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Chi siamo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Reset Values</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Select Flow Rate Unit</source>
        <translation>Seleziona l&apos;unità della portata</translation>
    </message>
    <message>
        <source>Flow rate unit</source>
        <translation>Unità della portata</translation>
    </message>
    <message>
        <source>Select Velocity Unit</source>
        <translation>Seleziona l&apos;unità della velocità</translation>
    </message>
    <message>
        <source>Velocity unit</source>
        <translation>Unità della velocità</translation>
    </message>
    <message>
        <source>Select Diameter Unit</source>
        <translation>Seleziona l&apos;unità del diametro</translation>
    </message>
    <message>
        <source>Inside diameter unit</source>
        <translation>Unità del diametro interno</translation>
    </message>
    <message>
        <source>Key in the flow rate</source>
        <translation>Inserisci la portata</translation>
    </message>
    <message>
        <source>Volumetric flow rate</source>
        <translation>Portata volumetrica</translation>
    </message>
    <message>
        <source>key in the velocity</source>
        <translation>Inserisci la velocità</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Key in the inside diameter</source>
        <translation>Inserisci il diametro interno</translation>
    </message>
    <message>
        <source>Inside diameter</source>
        <translation>Diametro interno</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Uso</translation>
    </message>
    <message>
        <source>Northfall logo</source>
        <translation>Logo Northfall</translation>
    </message>
    <message>
        <source>Northfall web site</source>
        <translation>Sito web Northfall</translation>
    </message>
    <message>
        <source>3. Press Calculate to get third value</source>
        <translation>3. Premi Calcola per il terzo valore</translation>
    </message>
    <message>
        <source>2. Enter two values</source>
        <translation>2. Digita due valori</translation>
    </message>
    <message>
        <source>1. Select Units</source>
        <translation>1. Scegli unità</translation>
    </message>
    <message>
        <source>Volumetric Flowrate</source>
        <translation>Portata volumetrica</translation>
    </message>
    <message>
        <source>Inside Diameter</source>
        <translation>Diametro interno</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>The result is too large to calculate.</source>
        <translation>Il risultato è troppo grande per essere calcolato.</translation>
    </message>
    <message>
        <source>A value is too small to calculate with.</source>
        <translation>Un valore è troppo piccolo per eseguire il calcolo.</translation>
    </message>
    <message>
        <source>Velocity and flow rate need the same sign to calculate a diameter.</source>
        <translation>Per calcolare un diametro, velocità e portata devono avere lo stesso segno.</translation>
    </message>
    <message>
        <source>The calculation failed.</source>
        <translation>Il calcolo non è riuscito.</translation>
    </message>
    <message>
        <source>You need any 2 values to calculate flow rate!</source>
        <translation>Inserisci due valori qualsiasi per eseguire il calcolo!</translation>
    </message>
    <message>
        <source>The Ludrix accept only numeric values</source>
        <translation>Ludrix accetta solo valori numerici</translation>
    </message>
</context>
<context>
    <name>UnitDefinition</name>
    <message>
        <source>cubic foot</source>
        <translation>piede cubo</translation>
    </message>
    <message>
        <source>%1 cubic inches</source>
        <translation>%1 pollici cubi</translation>
    </message>
    <message>
        <source>US gallon</source>
        <translation>gallone USA</translation>
    </message>
    <message>
        <source>million US gallons</source>
        <translation>milione di galloni USA</translation>
    </message>
    <message>
        <source>%1 US gallons</source>
        <translation>%1 galloni USA</translation>
    </message>
    <message>
        <source>liter</source>
        <translation>litro</translation>
    </message>
    <message>
        <source>cubic meter</source>
        <translation>metro cubo</translation>
    </message>
    <message>
        <source>imperial gallon</source>
        <translation>gallone imperiale</translation>
    </message>
    <message>
        <source>%1 liters</source>
        <translation>%1 litri</translation>
    </message>
    <message>
        <source>UK barrel</source>
        <translation>barile britannico</translation>
    </message>
    <message>
        <source>%1 imperial gallons</source>
        <translation>%1 galloni imperiali</translation>
    </message>
    <message>
        <source>US liquid barrel</source>
        <translation>barile USA per liquidi</translation>
    </message>
    <message>
        <source>US oil barrel</source>
        <translation>barile USA di petrolio</translation>
    </message>
    <message>
        <source>US federal barrel</source>
        <translation>barile federale USA</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pollice</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>millimeter</source>
        <translation>millimetro</translation>
    </message>
    <message>
        <source>foot</source>
        <translation>piede</translation>
    </message>
    <message>
        <source>%1 inches</source>
        <translation>%1 pollici</translation>
    </message>
    <message>
        <source>centimeter</source>
        <translation>centimetro</translation>
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
        <translation>%1 al secondo: %2, al secondo</translation>
    </message>
    <message>
        <source>%1 per second: %3 = %2, per second</source>
        <translation>%1 al secondo: %3 = %2, al secondo</translation>
    </message>
    <message>
        <source>%1 per minute: %2, per minute</source>
        <translation>%1 al minuto: %2, al minuto</translation>
    </message>
    <message>
        <source>%1 per minute: %3 = %2, per minute</source>
        <translation>%1 al minuto: %3 = %2, al minuto</translation>
    </message>
    <message>
        <source>%1 per hour: %2, per hour</source>
        <translation>%1 all&apos;ora: %2, all&apos;ora</translation>
    </message>
    <message>
        <source>%1 per hour: %3 = %2, per hour</source>
        <translation>%1 all&apos;ora: %3 = %2, all&apos;ora</translation>
    </message>
    <message>
        <source>%1 per day: %2, per day</source>
        <translation>%1 al giorno: %2, al giorno</translation>
    </message>
    <message>
        <source>%1 per day: %3 = %2, per day</source>
        <translation>%1 al giorno: %3 = %2, al giorno</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>cubic feet/sec</source>
        <translation>piedi cubi/s</translation>
    </message>
    <message>
        <source>cubic feet/minute</source>
        <translation>piedi cubi/minuto</translation>
    </message>
    <message>
        <source>cubic feet/hour</source>
        <translation>piedi cubi/ora</translation>
    </message>
    <message>
        <source>cubic feet/day</source>
        <translation>piedi cubi/giorno</translation>
    </message>
    <message>
        <source>US gallon/sec</source>
        <translation>galloni USA/s</translation>
    </message>
    <message>
        <source>US gallon/minute</source>
        <translation>galloni USA/minuto</translation>
    </message>
    <message>
        <source>US gallon/hour</source>
        <translation>galloni USA/ora</translation>
    </message>
    <message>
        <source>US gallon/day</source>
        <translation>galloni USA/giorno</translation>
    </message>
    <message>
        <source>million US gallon/day</source>
        <translation>milioni di gal. USA/giorno</translation>
    </message>
    <message>
        <source>liter/second</source>
        <translation>litri/secondo</translation>
    </message>
    <message>
        <source>liter/minute</source>
        <translation>litri/minuto</translation>
    </message>
    <message>
        <source>liter/hr</source>
        <translation>litri/h</translation>
    </message>
    <message>
        <source>liter/day</source>
        <translation>litri/giorno</translation>
    </message>
    <message>
        <source>cubic meter/sec</source>
        <translation>metri cubi/s</translation>
    </message>
    <message>
        <source>cubic meter/minute</source>
        <translation>metri cubi/minuto</translation>
    </message>
    <message>
        <source>cubic meter/hour</source>
        <translation>metri cubi/ora</translation>
    </message>
    <message>
        <source>cubic meter/day</source>
        <translation>metri cubi/giorno</translation>
    </message>
    <message>
        <source>imperial gallon/sec</source>
        <translation>galloni imperiali/s</translation>
    </message>
    <message>
        <source>imperial gallon/minute</source>
        <translation>galloni imperiali/minuto</translation>
    </message>
    <message>
        <source>imperial gallon/hour</source>
        <translation>galloni imperiali/ora</translation>
    </message>
    <message>
        <source>imperial gallon/day</source>
        <translation>galloni imperiali/giorno</translation>
    </message>
    <message>
        <source>UK Barrels/sec</source>
        <translation>barili britannici/s</translation>
    </message>
    <message>
        <source>UK Barrels/minute</source>
        <translation>barili britannici/minuto</translation>
    </message>
    <message>
        <source>UK Barrels/hour</source>
        <translation>barili britannici/ora</translation>
    </message>
    <message>
        <source>UK Barrels/day</source>
        <translation>barili britannici/giorno</translation>
    </message>
    <message>
        <source>US Liquid Barrels/sec</source>
        <translation>barili USA liquidi/s</translation>
    </message>
    <message>
        <source>US Liquid Barrels/minute</source>
        <translation>barili USA liquidi/minuto</translation>
    </message>
    <message>
        <source>US Liquid Barrels/hour</source>
        <translation>barili USA liquidi/ora</translation>
    </message>
    <message>
        <source>US Liquid Barrels/day</source>
        <translation>barili USA liquidi/giorno</translation>
    </message>
    <message>
        <source>US Oil Barrels/sec</source>
        <translation>barili USA petroliferi/s</translation>
    </message>
    <message>
        <source>US Oil Barrels/minute</source>
        <translation>barili USA petroliferi/minuto</translation>
    </message>
    <message>
        <source>US Oil Barrels/hour</source>
        <translation>barili USA petroliferi/ora</translation>
    </message>
    <message>
        <source>US Oil Barrels/day</source>
        <translation>barili USA petroliferi/giorno</translation>
    </message>
    <message>
        <source>US Federal Barrels/sec</source>
        <translation>barili USA federali/s</translation>
    </message>
    <message>
        <source>US Federal Barrels/minute</source>
        <translation>barili USA federali/minuto</translation>
    </message>
    <message>
        <source>US Federal Barrels/hour</source>
        <translation>barili USA federali/ora</translation>
    </message>
    <message>
        <source>US Federal Barrels/day</source>
        <translation>barili USA federali/giorno</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pollici</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>inches/sec</source>
        <translation>pollici/s</translation>
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

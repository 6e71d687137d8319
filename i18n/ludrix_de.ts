<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>Visit %1</source>
        <translation>Web: %1</translation>
    </message>
    <message>
        <source>Contact %1</source>
        <translation>E-Mail: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Version 1.0.4</source>
        <translation>Version 1.0.4</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Über uns</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site in your web browser</source>
        <translation>Öffnet die Website des Herstellers im Webbrowser</translation>
    </message>
    <message>
        <source>Starts an enquiry e-mail to the maker</source>
        <translation>Beginnt eine E-Mail-Anfrage an den Hersteller</translation>
    </message>
</context>
<context>
    <name>Ludrix</name>
    <message>
        <source>Pipe sizing software</source>
        <translation>Rohrdimensionierung</translation>
    </message>
    <message>
        <source>Flow meters and gauges</source>
        <translation>Durchfluss-Messgeräte</translation>
    </message>
    <message>
        <source>Free engineering tools</source>
        <translation>Freie Ingenieur-Tools</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Über uns</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Reset Values</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Select Flow Rate Unit</source>
        <translation>Einheit für den Volumenstrom wählen</translation>
    </message>
    <message>
        <source>Flow rate unit</source>
        <translation>Einheit des Volumenstroms</translation>
    </message>
    <message>
        <source>Select Velocity Unit</source>
        <translation>Einheit für die Geschwindigkeit wählen</translation>
    </message>
    <message>
        <source>Velocity unit</source>
        <translation>Einheit der Geschwindigkeit</translation>
    </message>
    <message>
        <source>Select Diameter Unit</source>
        <translation>Einheit für den Durchmesser wählen</translation>
    </message>
    <message>
        <source>Inside diameter unit</source>
        <translation>Einheit des Innendurchmessers</translation>
    </message>
    <message>
        <source>Key in the flow rate</source>
        <translation>Volumenstrom eingeben</translation>
    </message>
    <message>
        <source>Volumetric flow rate</source>
        <translation>Volumenstrom</translation>
    </message>
    <message>
        <source>key in the velocity</source>
        <translation>Strömungsgeschwindigkeit eingeben</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Key in the inside diameter</source>
        <translation>Innendurchmesser eingeben</translation>
    </message>
    <message>
        <source>Inside diameter</source>
        <translation>Innendurchmesser</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Northfall logo</source>
        <translation>Northfall-Logo</translation>
    </message>
    <message>
        <source>Northfall web site</source>
        <translation>Website von Northfall</translation>
    </message>
    <message>
        <source>3. Press Calculate to get third value</source>
        <translation>3. Berechnen ergibt den dritten Wert</translation>
    </message>
    <message>
        <source>2. Enter two values</source>
        <translation>2. Zwei Werte</translation>
    </message>
    <message>
        <source>1. Select Units</source>
        <translation>1. Einheiten</translation>
    </message>
    <message>
        <source>Volumetric Flowrate</source>
        <translation>Volumenstrom</translation>
    </message>
    <message>
        <source>Inside Diameter</source>
        <translation>Innen-Ø</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>The result is too large to calculate.</source>
        <translation>Das Ergebnis ist zu groß, um es zu berechnen.</translation>
    </message>
    <message>
        <source>A value is too small to calculate with.</source>
        <translation>Ein Wert ist zu klein, um damit zu rechnen.</translation>
    </message>
    <message>
        <source>Velocity and flow rate need the same sign to calculate a diameter.</source>
        <translation>Um einen Durchmesser zu berechnen, müssen Geschwindigkeit und Volumenstrom dasselbe Vorzeichen haben.</translation>
    </message>
    <message>
        <source>The calculation failed.</source>
        <translation>Die Berechnung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>You need any 2 values to calculate flow rate!</source>
        <translation>Für die Berechnung werden zwei beliebige der drei Werte benötigt!</translation>
    </message>
    <message>
        <source>The Ludrix accept only numeric values</source>
        <translation>Ludrix akzeptiert nur Zahlenwerte.</translation>
    </message>
</context>
<context>
    <name>UnitDefinition</name>
    <message>
        <source>cubic foot</source>
        <translation>Kubikfuß</translation>
    </message>
    <message>
        <source>%1 cubic inches</source>
        <translation>%1 Kubikzoll</translation>
    </message>
    <message>
        <source>US gallon</source>
        <translation>US-Gallone</translation>
    </message>
    <message>
        <source>million US gallons</source>
        <translation>Million US-Gallonen</translation>
    </message>
    <message>
        <source>%1 US gallons</source>
        <translation>%1 US-Gallonen</translation>
    </message>
    <message>
        <source>liter</source>
        <translation>Liter</translation>
    </message>
    <message>
        <source>cubic meter</source>
        <translation>Kubikmeter</translation>
    </message>
    <message>
        <source>imperial gallon</source>
        <translation>imperiale Gallone</translation>
    </message>
    <message>
        <source>%1 liters</source>
        <translation>%1 Liter</translation>
    </message>
    <message>
        <source>UK barrel</source>
        <translation>UK-Barrel</translation>
    </message>
    <message>
        <source>%1 imperial gallons</source>
        <translation>%1 imperiale Gallonen</translation>
    </message>
    <message>
        <source>US liquid barrel</source>
        <translation>US-Flüssigkeitsbarrel</translation>
    </message>
    <message>
        <source>US oil barrel</source>
        <translation>US-Ölbarrel</translation>
    </message>
    <message>
        <source>US federal barrel</source>
        <translation>US-Bundesbarrel</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>millimeter</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>foot</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>%1 inches</source>
        <translation>%1 Zoll</translation>
    </message>
    <message>
        <source>centimeter</source>
        <translation>Zentimeter</translation>
    </message>
    <message>
        <source>meter</source>
        <translation>Meter</translation>
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
        <translation>%1 pro Sekunde: %2, pro Sekunde</translation>
    </message>
    <message>
        <source>%1 per second: %3 = %2, per second</source>
        <translation>%1 pro Sekunde: %3 = %2, pro Sekunde</translation>
    </message>
    <message>
        <source>%1 per minute: %2, per minute</source>
        <translation>%1 pro Minute: %2, pro Minute</translation>
    </message>
    <message>
        <source>%1 per minute: %3 = %2, per minute</source>
        <translation>%1 pro Minute: %3 = %2, pro Minute</translation>
    </message>
    <message>
        <source>%1 per hour: %2, per hour</source>
        <translation>%1 pro Stunde: %2, pro Stunde</translation>
    </message>
    <message>
        <source>%1 per hour: %3 = %2, per hour</source>
        <translation>%1 pro Stunde: %3 = %2, pro Stunde</translation>
    </message>
    <message>
        <source>%1 per day: %2, per day</source>
        <translation>%1 pro Tag: %2, pro Tag</translation>
    </message>
    <message>
        <source>%1 per day: %3 = %2, per day</source>
        <translation>%1 pro Tag: %3 = %2, pro Tag</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>cubic feet/sec</source>
        <translation>Kubikfuß/s</translation>
    </message>
    <message>
        <source>cubic feet/minute</source>
        <translation>Kubikfuß/min</translation>
    </message>
    <message>
        <source>cubic feet/hour</source>
        <translation>Kubikfuß/h</translation>
    </message>
    <message>
        <source>cubic feet/day</source>
        <translation>Kubikfuß/Tag</translation>
    </message>
    <message>
        <source>US gallon/sec</source>
        <translation>US-Gallonen/s</translation>
    </message>
    <message>
        <source>US gallon/minute</source>
        <translation>US-Gallonen/min</translation>
    </message>
    <message>
        <source>US gallon/hour</source>
        <translation>US-Gallonen/h</translation>
    </message>
    <message>
        <source>US gallon/day</source>
        <translation>US-Gallonen/Tag</translation>
    </message>
    <message>
        <source>million US gallon/day</source>
        <translation>Mio. US-Gallonen/Tag</translation>
    </message>
    <message>
        <source>liter/second</source>
        <translation>Liter/s</translation>
    </message>
    <message>
        <source>liter/minute</source>
        <translation>Liter/min</translation>
    </message>
    <message>
        <source>liter/hr</source>
        <translation>Liter/h</translation>
    </message>
    <message>
        <source>liter/day</source>
        <translation>Liter/Tag</translation>
    </message>
    <message>
        <source>cubic meter/sec</source>
        <translation>Kubikmeter/s</translation>
    </message>
    <message>
        <source>cubic meter/minute</source>
        <translation>Kubikmeter/min</translation>
    </message>
    <message>
        <source>cubic meter/hour</source>
        <translation>Kubikmeter/h</translation>
    </message>
    <message>
        <source>cubic meter/day</source>
        <translation>Kubikmeter/Tag</translation>
    </message>
    <message>
        <source>imperial gallon/sec</source>
        <translation>imperiale Gallonen/s</translation>
    </message>
    <message>
        <source>imperial gallon/minute</source>
        <translation>imperiale Gallonen/min</translation>
    </message>
    <message>
        <source>imperial gallon/hour</source>
        <translation>imperiale Gallonen/h</translation>
    </message>
    <message>
        <source>imperial gallon/day</source>
        <translation>imperiale Gallonen/Tag</translation>
    </message>
    <message>
        <source>UK Barrels/sec</source>
        <translation>UK-Barrel/s</translation>
    </message>
    <message>
        <source>UK Barrels/minute</source>
        <translation>UK-Barrel/min</translation>
    </message>
    <message>
        <source>UK Barrels/hour</source>
        <translation>UK-Barrel/h</translation>
    </message>
    <message>
        <source>UK Barrels/day</source>
        <translation>UK-Barrel/Tag</translation>
    </message>
    <message>
        <source>US Liquid Barrels/sec</source>
        <translation>US-Flüssigkeitsbarrel/s</translation>
    </message>
    <message>
        <source>US Liquid Barrels/minute</source>
        <translation>US-Flüssigkeitsbarrel/min</translation>
    </message>
    <message>
        <source>US Liquid Barrels/hour</source>
        <translation>US-Flüssigkeitsbarrel/h</translation>
    </message>
    <message>
        <source>US Liquid Barrels/day</source>
        <translation>US-Flüssigkeitsbarrel/Tag</translation>
    </message>
    <message>
        <source>US Oil Barrels/sec</source>
        <translation>US-Ölbarrel/s</translation>
    </message>
    <message>
        <source>US Oil Barrels/minute</source>
        <translation>US-Ölbarrel/min</translation>
    </message>
    <message>
        <source>US Oil Barrels/hour</source>
        <translation>US-Ölbarrel/h</translation>
    </message>
    <message>
        <source>US Oil Barrels/day</source>
        <translation>US-Ölbarrel/Tag</translation>
    </message>
    <message>
        <source>US Federal Barrels/sec</source>
        <translation>US-Bundesbarrel/s</translation>
    </message>
    <message>
        <source>US Federal Barrels/minute</source>
        <translation>US-Bundesbarrel/min</translation>
    </message>
    <message>
        <source>US Federal Barrels/hour</source>
        <translation>US-Bundesbarrel/h</translation>
    </message>
    <message>
        <source>US Federal Barrels/day</source>
        <translation>US-Bundesbarrel/Tag</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>inches/sec</source>
        <translation>Zoll/s</translation>
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

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About</name>
    <message>
        <source>Visit %1</source>
        <translation>Voir %1</translation>
    </message>
    <message>
        <source>Contact %1</source>
        <translation>Écrire à %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Version 1.0.4</source>
        <translation>Version 1.0.4</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site in your web browser</source>
        <translation>Ouvre le site Web de l’éditeur dans votre navigateur</translation>
    </message>
    <message>
        <source>Starts an enquiry e-mail to the maker</source>
        <translation>Prépare un courriel de demande d’informations à l’éditeur</translation>
    </message>
</context>
<context>
    <name>Ludrix</name>
    <message>
        <source>Pipe sizing software</source>
        <translation>Calcul de tuyauteries</translation>
    </message>
    <message>
        <source>Flow meters and gauges</source>
        <translation>Débitmètres et jauges</translation>
    </message>
    <message>
        <source>Free engineering tools</source>
        <translation>Outils techniques gratuits</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Reset Values</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Select Flow Rate Unit</source>
        <translation>Choisir l’unité de débit</translation>
    </message>
    <message>
        <source>Flow rate unit</source>
        <translation>Unité de débit</translation>
    </message>
    <message>
        <source>Select Velocity Unit</source>
        <translation>Choisir l’unité de vitesse</translation>
    </message>
    <message>
        <source>Velocity unit</source>
        <translation>Unité de vitesse</translation>
    </message>
    <message>
        <source>Select Diameter Unit</source>
        <translation>Choisir l’unité de diamètre</translation>
    </message>
    <message>
        <source>Inside diameter unit</source>
        <translation>Unité du diamètre intérieur</translation>
    </message>
    <message>
        <source>Key in the flow rate</source>
        <translation>Saisir le débit</translation>
    </message>
    <message>
        <source>Volumetric flow rate</source>
        <translation>Débit volumique</translation>
    </message>
    <message>
        <source>key in the velocity</source>
        <translation>Saisir la vitesse d’écoulement</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Key in the inside diameter</source>
        <translation>Saisir le diamètre intérieur</translation>
    </message>
    <message>
        <source>Inside diameter</source>
        <translation>Diamètre intérieur</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Northfall logo</source>
        <translation>Logo de Northfall</translation>
    </message>
    <message>
        <source>Northfall web site</source>
        <translation>Site Web de Northfall</translation>
    </message>
    <message>
        <source>3. Press Calculate to get third value</source>
        <translation>3. Calculer donne la troisième valeur</translation>
    </message>
    <message>
        <source>2. Enter two values</source>
        <translation>2. Deux valeurs</translation>
    </message>
    <message>
        <source>1. Select Units</source>
        <translation>1. Unités</translation>
    </message>
    <message>
        <source>Volumetric Flowrate</source>
        <translation>Débit volumique</translation>
    </message>
    <message>
        <source>Inside Diameter</source>
        <translation>Diamètre int.</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>The result is too large to calculate.</source>
        <translation>Le résultat est trop grand pour être calculé.</translation>
    </message>
    <message>
        <source>A value is too small to calculate with.</source>
        <translation>Une valeur est trop petite pour permettre le calcul.</translation>
    </message>
    <message>
        <source>Velocity and flow rate need the same sign to calculate a diameter.</source>
        <translation>Pour calculer un diamètre, la vitesse et le débit doivent être de même signe.</translation>
    </message>
    <message>
        <source>The calculation failed.</source>
        <translation>Le calcul a échoué.</translation>
    </message>
    <message>
        <source>You need any 2 values to calculate flow rate!</source>
        <translation>Saisissez deux des trois valeurs, au choix, pour lancer le calcul&#x202f;!</translation>
    </message>
    <message>
        <source>The Ludrix accept only numeric values</source>
        <translation>Ludrix n’accepte que des valeurs numériques.</translation>
    </message>
</context>
<context>
    <name>UnitDefinition</name>
    <message>
        <source>cubic foot</source>
        <translation>pied cube</translation>
    </message>
    <message>
        <source>%1 cubic inches</source>
        <translation>%1 pouces cubes</translation>
    </message>
    <message>
        <source>US gallon</source>
        <translation>gallon US</translation>
    </message>
    <message>
        <source>million US gallons</source>
        <translation>million de gallons US</translation>
    </message>
    <message>
        <source>%1 US gallons</source>
        <translation>%1 gallons US</translation>
    </message>
    <message>
        <source>liter</source>
        <translation>litre</translation>
    </message>
    <message>
        <source>cubic meter</source>
        <translation>mètre cube</translation>
    </message>
    <message>
        <source>imperial gallon</source>
        <translation>gallon impérial</translation>
    </message>
    <message>
        <source>%1 liters</source>
        <translation>%1 litres</translation>
    </message>
    <message>
        <source>UK barrel</source>
        <translation>baril britannique</translation>
    </message>
    <message>
        <source>%1 imperial gallons</source>
        <translation>%1 gallons impériaux</translation>
    </message>
    <message>
        <source>US liquid barrel</source>
        <translation>baril US pour liquides</translation>
    </message>
    <message>
        <source>US oil barrel</source>
        <translation>baril US de pétrole</translation>
    </message>
    <message>
        <source>US federal barrel</source>
        <translation>baril fédéral US</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pouce</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>millimeter</source>
        <translation>millimètre</translation>
    </message>
    <message>
        <source>foot</source>
        <translation>pied</translation>
    </message>
    <message>
        <source>%1 inches</source>
        <translation>%1 pouces</translation>
    </message>
    <message>
        <source>centimeter</source>
        <translation>centimètre</translation>
    </message>
    <message>
        <source>meter</source>
        <translation>mètre</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: %3 = %2</source>
        <translation>%1&#xa0;: %3 = %2</translation>
    </message>
    <message>
        <source>%1 per second: %2, per second</source>
        <translation>%1 par seconde&#xa0;: %2, par seconde</translation>
    </message>
    <message>
        <source>%1 per second: %3 = %2, per second</source>
        <translation>%1 par seconde&#xa0;: %3 = %2, par seconde</translation>
    </message>
    <message>
        <source>%1 per minute: %2, per minute</source>
        <translation>%1 par minute&#xa0;: %2, par minute</translation>
    </message>
    <message>
        <source>%1 per minute: %3 = %2, per minute</source>
        <translation>%1 par minute&#xa0;: %3 = %2, par minute</translation>
    </message>
    <message>
        <source>%1 per hour: %2, per hour</source>
        <translation>%1 par heure&#xa0;: %2, par heure</translation>
    </message>
    <message>
        <source>%1 per hour: %3 = %2, per hour</source>
        <translation>%1 par heure&#xa0;: %3 = %2, par heure</translation>
    </message>
    <message>
        <source>%1 per day: %2, per day</source>
        <translation>%1 par jour&#xa0;: %2, par jour</translation>
    </message>
    <message>
        <source>%1 per day: %3 = %2, per day</source>
        <translation>%1 par jour&#xa0;: %3 = %2, par jour</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>cubic feet/sec</source>
        <translation>pieds cubes/s</translation>
    </message>
    <message>
        <source>cubic feet/minute</source>
        <translation>pieds cubes/min</translation>
    </message>
    <message>
        <source>cubic feet/hour</source>
        <translation>pieds cubes/h</translation>
    </message>
    <message>
        <source>cubic feet/day</source>
        <translation>pieds cubes/jour</translation>
    </message>
    <message>
        <source>US gallon/sec</source>
        <translation>gallons US/s</translation>
    </message>
    <message>
        <source>US gallon/minute</source>
        <translation>gallons US/min</translation>
    </message>
    <message>
        <source>US gallon/hour</source>
        <translation>gallons US/h</translation>
    </message>
    <message>
        <source>US gallon/day</source>
        <translation>gallons US/jour</translation>
    </message>
    <message>
        <source>million US gallon/day</source>
        <translation>millions de gallons US/jour</translation>
    </message>
    <message>
        <source>liter/second</source>
        <translation>litres/s</translation>
    </message>
    <message>
        <source>liter/minute</source>
        <translation>litres/min</translation>
    </message>
    <message>
        <source>liter/hr</source>
        <translation>litres/h</translation>
    </message>
    <message>
        <source>liter/day</source>
        <translation>litres/jour</translation>
    </message>
    <message>
        <source>cubic meter/sec</source>
        <translation>mètres cubes/s</translation>
    </message>
    <message>
        <source>cubic meter/minute</source>
        <translation>mètres cubes/min</translation>
    </message>
    <message>
        <source>cubic meter/hour</source>
        <translation>mètres cubes/h</translation>
    </message>
    <message>
        <source>cubic meter/day</source>
        <translation>mètres cubes/jour</translation>
    </message>
    <message>
        <source>imperial gallon/sec</source>
        <translation>gallons impériaux/s</translation>
    </message>
    <message>
        <source>imperial gallon/minute</source>
        <translation>gallons impériaux/min</translation>
    </message>
    <message>
        <source>imperial gallon/hour</source>
        <translation>gallons impériaux/h</translation>
    </message>
    <message>
        <source>imperial gallon/day</source>
        <translation>gallons impériaux/jour</translation>
    </message>
    <message>
        <source>UK Barrels/sec</source>
        <translation>barils britanniques/s</translation>
    </message>
    <message>
        <source>UK Barrels/minute</source>
        <translation>barils britanniques/min</translation>
    </message>
    <message>
        <source>UK Barrels/hour</source>
        <translation>barils britanniques/h</translation>
    </message>
    <message>
        <source>UK Barrels/day</source>
        <translation>barils britanniques/jour</translation>
    </message>
    <message>
        <source>US Liquid Barrels/sec</source>
        <translation>barils US liquides/s</translation>
    </message>
    <message>
        <source>US Liquid Barrels/minute</source>
        <translation>barils US liquides/min</translation>
    </message>
    <message>
        <source>US Liquid Barrels/hour</source>
        <translation>barils US liquides/h</translation>
    </message>
    <message>
        <source>US Liquid Barrels/day</source>
        <translation>barils US liquides/jour</translation>
    </message>
    <message>
        <source>US Oil Barrels/sec</source>
        <translation>barils US de pétrole/s</translation>
    </message>
    <message>
        <source>US Oil Barrels/minute</source>
        <translation>barils US de pétrole/min</translation>
    </message>
    <message>
        <source>US Oil Barrels/hour</source>
        <translation>barils US de pétrole/h</translation>
    </message>
    <message>
        <source>US Oil Barrels/day</source>
        <translation>barils US de pétrole/jour</translation>
    </message>
    <message>
        <source>US Federal Barrels/sec</source>
        <translation>barils fédéraux US/s</translation>
    </message>
    <message>
        <source>US Federal Barrels/minute</source>
        <translation>barils fédéraux US/min</translation>
    </message>
    <message>
        <source>US Federal Barrels/hour</source>
        <translation>barils fédéraux US/h</translation>
    </message>
    <message>
        <source>US Federal Barrels/day</source>
        <translation>barils fédéraux US/jour</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>inches/sec</source>
        <translation>pouces/s</translation>
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

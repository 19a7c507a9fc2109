<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Programopdatering</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>Installationsfilerne downloades.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>Programmet kører allerede</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>Cartaline kører allerede.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>Programopdateringen mislykkedes</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>Der er ingen netværksforbindelse. 
Opdateringen kan ikke fortsætte.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Kontrollér netværket (herunder netværkskabel og router), firewall og indstillingerne for antivirusprogrammet, og prøv igen.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>Programopdateringen mislykkedes</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>Opdateringsfilen blev ikke fundet.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Prøv igen senere.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>Kontakt kundeservice, hvis problemet fortsætter.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Gå til kundeservices websted</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>Stop opdateringen</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>Vil du stoppe opdateringen nu?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>Hvis du stopper opdateringen, lukkes Cartaline automatisk.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>Programopdateringen mislykkedes</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>Cartaline kunne ikke opdateres.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>Vil du prøve igen?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>Cartaline er klar til at blive opdateret.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>Indtast adgangskoden for at tillade denne ændring.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>Brugernavn</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Adgangskode</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>Programopdateringen mislykkedes</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>Der er ingen netværksforbindelse. 
Opdateringen kan ikke fortsætte.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Kontrollér netværket (herunder netværkskabel og router), firewall 
og indstillingerne for antivirusprogrammet, og prøv igen.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>Programopdateringen mislykkedes</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>Programmet kunne ikke opdateres.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Prøv igen senere.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>Kontakt kundeservice, hvis problemet fortsætter.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Gå til kundeservices websted</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>OK</translation>
    </message>
</context>
</TS>

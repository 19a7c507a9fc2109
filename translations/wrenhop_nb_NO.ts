<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Programoppdatering</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>Installasjonsfilene lastes ned.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>Programmet kjører allerede</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>Cartaline kjører allerede.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>Programoppdateringen mislyktes</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>Nettverket er ikke tilkoblet. 
Oppdateringen kan ikke fortsette.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Kontroller nettverket (inkludert nettverkskabel og ruter), brannmuren og innstillingene for antivirusprogrammet, og prøv på nytt.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>Programoppdateringen mislyktes</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>Finner ikke oppdateringsfilen.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Prøv på nytt senere.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>Kontakt kundeservice hvis problemet vedvarer.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Gå til nettstedet for kundeservice</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>Stopp oppdateringen</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>Vil du stoppe oppdateringen nå?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>Hvis du stopper oppdateringen, lukkes Cartaline automatisk.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>Programoppdateringen mislyktes</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>Cartaline kunne ikke oppdateres.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>Vil du prøve på nytt?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>Cartaline er klar til å oppdateres.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>Skriv inn passordet for å tillate denne endringen.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>Brukernavn</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Passord</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>Programoppdateringen mislyktes</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>Nettverket er ikke tilkoblet. 
Oppdateringen kan ikke fortsette.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Kontroller nettverket (inkludert nettverkskabel og ruter), brannmuren 
og innstillingene for antivirusprogrammet, og prøv på nytt.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>Programoppdateringen mislyktes</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>Programmet kunne ikke oppdateres.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Prøv på nytt senere.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>Kontakt kundeservice hvis problemet vedvarer.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Gå til nettstedet for kundeservice</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>OK</translation>
    </message>
</context>
</TS>

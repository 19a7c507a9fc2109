<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt_LT">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Programos naujinimas</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>Atsisiunčiami diegimo failai.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>Programa jau veikia</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>Cartaline jau veikia.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>Programos naujinimas nepavyko</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>Nėra tinklo ryšio. 
Naujinimo tęsti negalima.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Patikrinkite tinklą (įskaitant tinklo kabelį ir maršruto parinktuvą), užkardą ir antivirusinės programos nuostatas, tada bandykite dar kartą.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>Programos naujinimas nepavyko</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>Nepavyko rasti naujinimo failo.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Bandykite dar kartą vėliau.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>Jei problema išlieka, kreipkitės į klientų aptarnavimo tarnybą.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Apsilankyti klientų aptarnavimo svetainėje</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>Naujinimo stabdymas</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>Sustabdyti naujinimą dabar?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>Sustabdžius naujinimą, Cartaline bus automatiškai uždaryta.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>Programos naujinimas nepavyko</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>Nepavyko atnaujinti Cartaline.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>Ar norite bandyti dar kartą?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>Atšaukti</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>Cartaline paruošta naujinti.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>Norėdami leisti šį pakeitimą, įveskite slaptažodį.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>Vartotojo vardas</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Slaptažodis</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>Atšaukti</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>Programos naujinimas nepavyko</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>Nėra tinklo ryšio. 
Naujinimo tęsti negalima.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Patikrinkite tinklą (įskaitant tinklo kabelį ir maršruto parinktuvą), užkardą 
ir antivirusinės programos nuostatas, tada bandykite dar kartą.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>Programos naujinimas nepavyko</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>Programos atnaujinti nepavyko.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Bandykite dar kartą vėliau.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>Jei problema išlieka, kreipkitės į klientų aptarnavimo tarnybą.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Apsilankyti klientų aptarnavimo svetainėje</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>Gerai</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Aktualizácia programu</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>Prebieha sťahovanie inštalačných súborov.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>Program je už spustený</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>Program Cartaline je už spustený.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>Aktualizácia programu zlyhala</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>Sieť nie je pripojená. 
V aktualizácii nie je možné pokračovať.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Skontrolujte sieť (vrátane sieťového kábla a smerovača), bránu firewall a nastavenia antivírusového programu a skúste to znova.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>Aktualizácia programu zlyhala</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>Súbor aktualizácie sa nenašiel.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Skúste to znova neskôr.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>Ak problém pretrváva, obráťte sa na zákaznícku podporu.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Prejsť na webovú lokalitu zákazníckej podpory</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>Zastavenie aktualizácie</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>Chcete aktualizáciu teraz zastaviť?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>Ak aktualizáciu zastavíte, program Cartaline sa automaticky zavrie.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>Aktualizácia programu zlyhala</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>Program Cartaline sa nepodarilo aktualizovať.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>Chcete to skúsiť znova?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>Program Cartaline je pripravený na aktualizáciu.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>Ak chcete povoliť túto zmenu, zadajte heslo.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>Používateľské meno</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>Aktualizácia programu zlyhala</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>Sieť nie je pripojená. 
V aktualizácii nie je možné pokračovať.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Skontrolujte sieť (vrátane sieťového kábla a smerovača), bránu firewall 
a nastavenia antivírusového programu a skúste to znova.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>Aktualizácia programu zlyhala</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>Program sa nepodarilo aktualizovať.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Skúste to znova neskôr.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>Ak problém pretrváva, obráťte sa na zákaznícku podporu.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Prejsť na webovú lokalitu zákazníckej podpory</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
